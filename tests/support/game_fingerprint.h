// Everything play can change and later read, as bytes to compare two runs by.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "state/game_state.h"
#include "support/game_harness.h"

namespace kestrway {

// The record's fields and tables, the random generator and (withPage) the
// screen page. Free slots keep whatever their last actor left, which
// nothing reads again (but a vehicle slot's fire delay, which the next tank
// in it inherits); so do the obstacle entries past the end mark.
std::vector<uint8_t> fingerprint(const GameState& game, bool withPage = true);

// A whole run, to compare with the same play under some other setting: a
// hash of each presenter pass's fingerprint from a time on, and the record's
// fingerprint once the program has ended.
struct RunPrints {
    std::vector<uint64_t> passes;
    std::vector<uint8_t> end;
    int32_t exitCode = -1;
};

// Runs the harness's game to its end. onPass runs after each pass, before
// that pass's print is taken.
RunPrints printRun(GameHarness& harness, const std::function<void(GameState&)>& onPass = {},
                   double from = 0, bool withPage = true);

// The first print at which two runs differ (the end counts as the print after
// the last pass), or -1 when they played the same.
int64_t firstDifference(const RunPrints& a, const RunPrints& b);

}  // namespace kestrway
