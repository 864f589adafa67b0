// The program's entry in the browser: the game runs on the page's one
// thread, and its data is packed with the build into the file system's
// root, which is the working directory.
#include "game/run_game.h"
#include "state/game_state.h"

int main(int argc, char** argv) {
    // Static: the game's tables are large.
    static kestrway::GameState game;
    kestrway::runGame(game, argc, argv);
}
