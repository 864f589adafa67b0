// The program's entry: the main thread presents the window, the game runs on
// a thread of its own.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

#include "game/run_game.h"
#include "platform/command_line.h"
#include "platform/data_folder.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_setup.h"
#include "state/game_state.h"

int main(int argc, char** argv) {
    if (kestrway::answerInformationRequest(argc, argv, std::cout)) return EXIT_SUCCESS;
    // Data in the working directory wins; otherwise the installed copy.
    std::error_code noDirectory;
    kestrway::chooseDataFolder(std::filesystem::current_path(noDirectory).string(),
                               kestrway::executablePath(), std::cerr);
    if (!kestrway::startSdl()) {
        return EXIT_FAILURE;
    }
    // Never destroyed: the game thread uses the game's tables and pictures
    // until the process ends, however it ends (exit() runs static
    // destructors while that thread may still be drawing).
    static kestrway::GameState& game = *new kestrway::GameState;
    std::thread gameThread([argc, argv] { kestrway::runGame(game, argc, argv); });
    // The process ends in the presenter through std::exit, which must not
    // find a joinable thread object.
    gameThread.detach();
    kestrway::runPresenter();
}
