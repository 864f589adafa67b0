// Track generation: eight chunks, then corners, towers, spanners and the
// start and finish lines.
#pragma once

#include "state/game_state.h"

namespace kestrway {

// Attempts allowed for each spanner, two draws each (column, then row). A
// spanner not placed by then is left collected (x = -1, y = 0) and the next
// one gets its own attempts. Only rows 100 to 299 almost free of grass, road
// and water can reach it; without a bound such a track would never finish.
constexpr int32_t kMaxSpannerAttempts = 10000;

void buildTrack(GameState& game);
void placeTrackFeatures(GameState& game);

}  // namespace kestrway
