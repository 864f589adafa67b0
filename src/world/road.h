// The scrolling road: scroll by the player's speed between the track's ends,
// draw the visible rows, record obstacles, let towers fire, draw spanners.
#pragma once

#include "state/game_state.h"

namespace kestrway {

constexpr int32_t kStartScrollRow = 16;

void resetScroll(GameState& game);
void scrollAndDrawRoad(GameState& game);

}  // namespace kestrway
