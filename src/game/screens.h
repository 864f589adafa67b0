// The still screens: the title and the three interstitial screens, and the
// pictures they use.
#pragma once

#include "state/game_state.h"

namespace kestrway {

constexpr uint32_t kTitleBlue = 0xFF000064;

// Start-up: font, border tile and logo; high and previous score 0.
void loadTitleAssets(GameState& game);
// Returns when Space is typed; ends the program on Escape released or the
// close button. After kAttractPasses idle passes the demo plays (when the
// attract mode is on) and the title comes back.
void showTitleScreen(GameState& game);
// Each returns when Space is typed and ends the program while Escape is down.
void showGetReady(const GameState& game);
void showStageCompleted(GameState& game);
void showGameOver(GameState& game);
// Takes and drops typed keys until none is left.
void waitKeyBufferEmpty();

}  // namespace kestrway
