// Track generation: eight chunks, then corners, towers, spanners and the
// start and finish lines.
#pragma once

#include "state/game_state.h"

namespace kestrway {

// Gives up placing a spanner after this many draws; it is then left collected.
constexpr int32_t kMaxSpannerAttempts = 10000;

void buildTrack(GameState& game);
void placeTrackFeatures(GameState& game);

}  // namespace kestrway
