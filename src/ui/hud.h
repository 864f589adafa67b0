// The Score, Bonus and Damage column beside the road, and the darkening of
// the screen behind the still screens.
#pragma once

#include "state/game_state.h"

namespace kestrway {

void drawHud(const GameState& game);
void dimScreen();

}  // namespace kestrway
