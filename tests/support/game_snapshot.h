// A game's whole moving state as bytes, so two games can be compared pass by
// pass.
#pragma once

#include <cstdint>
#include <vector>

#include "state/game_state.h"

namespace kestrway {

using Snapshot = std::vector<uint8_t>;

// Every value and table a frame can change.
Snapshot snapshotOf(const GameState& game);

}  // namespace kestrway
