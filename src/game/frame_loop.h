// A stage's set-up and one pass of its frame loop, shared by runGame and
// by tests that play a stage frame by frame.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace kestrway {

enum EndReason : int32_t {
    kKeepPlaying = 0,
    kEscapeReleased = 1,
    kPlayerDestroyed = 2,
    kStageCompleted = 3,
    kWindowClosed = 4,
};

struct StageRun {
    int32_t endReason = kKeepPlaying;
    int32_t escapeWasDown = 0;
};

// Track, tile set, traffic, cleared actors, player and scroll for a new stage.
void prepareStage(GameState& game);
// A frame's drawing under the screen lock: road (which scrolls), shots,
// car, traffic, explosions, HUD. Also the whole of each wreck frame.
void drawFrame(GameState& game);
// A frame's work: update the player and the traffic, tick the bonus, draw
// under the lock (with the danger line at damage 4, before the lock is
// released), react to damage. Everything of playFrame but the sleep and
// the input that follows it.
void updateAndDrawFrame(GameState& game, StageRun& run);
// One frame: update, draw under the lock, react to damage, sleep 10 ms, read
// Escape, the close code and the finish. Returns the stage's end reason.
int32_t playFrame(GameState& game, StageRun& run);

}  // namespace kestrway
