// Everything play can change and later read, as bytes to compare two runs by.
#pragma once

#include <cstdint>
#include <vector>

#include "state/game_state.h"

namespace kestrway {

// The record's fields and tables, the random generator and (withPage) the
// screen page. Free slots keep whatever their last actor left, which
// nothing reads again (but a vehicle slot's fire delay, which the next tank
// in it inherits); so do the obstacle entries past the end mark.
std::vector<uint8_t> fingerprint(const GameState& game, bool withPage = true);

}  // namespace kestrway
