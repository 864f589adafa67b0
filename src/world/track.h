// Track generation: eight chunks, then corners, towers, spanners and the
// start and finish lines.
#pragma once

#include "state/game_state.h"

namespace kestrway {

// Attempts allowed for each spanner, two draws each (column, then row). A
// spanner not placed by then is left collected (x = -1, y = 0) and the next
// one gets its own attempts. 2^20 attempts: with even one qualifying cell
// among the 3,200 of rows 100 to 299, a spanner is given up with probability
// (1 - 1/3200)^(2^20), about e^-328, so every track with a place for them
// places all six. Only a track with no such cell at all reaches the bound;
// without one it would never finish, with it its set-up ends after
// 6 x 2^20 x 2 (about 12.6 million) draws, about a tenth of a second
// (bench/track_bench.cpp measures it).
constexpr int32_t kMaxSpannerAttempts = 1 << 20;

void buildTrack(GameState& game);
void placeTrackFeatures(GameState& game);

}  // namespace kestrway
