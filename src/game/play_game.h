// One game: stages from stage 1 with score 0 until the car is destroyed,
// Escape is released or the window is closed.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace kestrway {

// How a game ended: the frame loop's end reason (kPlayerDestroyed,
// kEscapeReleased or kWindowClosed), the stage and score it ended with, and
// its frames: passes of the frame loop, the wreck's 16 included.
struct GameEnd {
    int32_t how = 0;
    int32_t stage = 0;
    int32_t score = 0;
    int32_t frames = 0;
};

// Kept up to date as the game goes, so that whoever ends the program in the
// middle of it (the close button) can still read how far it got.
void playGame(GameState& game, GameEnd& end);

}  // namespace kestrway
