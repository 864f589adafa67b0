// The program's entry in the browser: the game runs on the page's one
// thread, and its data is packed with the build into the file system's
// root, which is the working directory. The page chooses the mode through
// the arguments: --verify FILE runs windowless and reports to the page,
// --play FILE shows a replay, and otherwise the run is recorded into the
// in-memory file system, so the page can offer it for download.
#include <iostream>
#include <string>
#include <vector>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/pad_rumble.h"
#include "platform/replay_options.h"
#include "platform/web/web_replay.h"
#include "state/game_state.h"

int main(int argc, char** argv) {
    // Static: the game's tables are large.
    static kestrway::GameState game;
    kestrway::ReplayOptions options;
    const std::string problem =
        kestrway::readReplayOptions(std::vector<std::string>(argv, argv + argc), options);
    if (!problem.empty()) {
        std::cerr << "kestrway: " << problem << std::endl;
        kestrway::web::announceVerification(2);
        return 2;
    }
    if (options.mode == kestrway::ReplayMode::kVerify) {
        const int32_t status =
            kestrway::runVerification(game, argc, argv, options.path, std::cout, std::cerr);
        std::cout.flush();
        std::cerr.flush();
        kestrway::web::announceVerification(status);
        return status;
    }
    // A pad's rumble follows the game's sound events.
    kestrway::listenForRumble();
    kestrway::runGame(game, argc, argv);
}
