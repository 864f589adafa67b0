// runGame: start-up, then the frame loop over a cleared screen.
#include "game/run_game.h"

#include "game/titles.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/timing.h"
#include "state/game_state.h"

namespace kestrway {

void runGame(GameState& game, int argc, char** argv) {
    (void)game;
    startProgram(argc, argv);
    seedRandom(timerSeconds());
    setWindowTitle(kWindowTitle);
    openScreen();
    bool escapeWasDown = false;
    for (;;) {
        lockScreen();
        clearScreen();
        unlockScreen(-1, -1);
        sleepMs(10);
        if (isKeyDown(kScanEscape) != 0) {
            escapeWasDown = true;
        } else if (escapeWasDown) {
            endProgram(0);
        }
        if (readKey() == CloseKey) endProgram(0);
    }
}

}  // namespace kestrway
