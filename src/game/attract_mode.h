// The title screen's attract mode: after a while with nobody at the keys,
// the demo in data/demo/ plays, and the title comes back when it ends or a
// key is pressed. The demo changes nothing a player's game can see.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace kestrway {

// Title passes (about 10 ms each) with no typed key and Escape up before
// the demo starts: counted, not timed, so the same input always starts it
// at the same pass.
constexpr int32_t kAttractPasses = 2000;
// The demo, as the game names its files (found in the data folder).
inline constexpr const char* kDemoFile = "demo\\demo.krp";

// Counts the title's idle passes in a row.
class IdlePassCounter {
  public:
    // True at the kAttractPasses-th idle pass in a row; counting then starts
    // again.
    bool pass(bool keyTyped, bool escapeDown);

  private:
    int32_t idle_ = 0;
};

// On for play; off (the default) when the run is recorded or replayed.
void setAttractMode(bool on);
bool attractMode();

enum class DemoEnd {
    kFinished,     // every game of the demo played to its end
    kKeyPressed,   // a live key stopped it; the key was taken
    kCloseButton,  // the close button: the program should end
    kSkipped,      // no usable demo file
};

// True while the demo plays: the game's flow knows a demo from a game.
bool demoPlaying();

// Plays the demo's games with the "Demo" line on, then puts back everything
// a game's start does not reset, as it was before the demo.
DemoEnd playDemo(GameState& game);

}  // namespace kestrway
