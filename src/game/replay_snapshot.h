// What a game's start does not reset, taken before each recorded game and
// put back before it is replayed: with it and the game's keyboard answers,
// every frame of the game follows.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/random.h"
#include "state/game_state.h"

namespace kestrway {

struct RunSnapshot {
    RandomState random;
    // The frame loop's counters, which live for the whole run.
    int32_t frameCounter = 0;
    int32_t trafficPhase = 0;
    // The car's key latches and fire cool-down: no stage or game resets them.
    PlayerControls controls;
    // A tank placed in a reused slot inherits the slot's fire delay.
    std::array<int32_t, kVehicleSlots> fireDelays{};
    int32_t highScore = 0;
    int32_t previousScore = 0;
};

// Also reads the program's random generator.
RunSnapshot takeSnapshot(const GameState& game);
// Also sets the program's random generator.
void applySnapshot(const RunSnapshot& snapshot, GameState& game);

std::vector<uint8_t> encodeSnapshot(const RunSnapshot& snapshot);
// False when the bytes are not one whole snapshot, or hold counters play
// could never have left (negative, or far too large).
bool decodeSnapshot(std::span<const uint8_t> bytes, RunSnapshot& snapshot);

}  // namespace kestrway
