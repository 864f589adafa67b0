// The game's invariants, checked after every presenter pass by the long
// runs: positions in range, tables consistent, nothing negative that must
// not be.
#pragma once

#include <string>

#include "state/game_state.h"

namespace kestrway {

// "" when every invariant holds, else a description of the first broken one.
std::string brokenInvariant(const GameState& game);

}  // namespace kestrway
