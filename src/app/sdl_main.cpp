// The program's entry: the main thread presents the window, the game runs on
// a thread of its own. --verify runs windowless on the main thread instead.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <thread>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/command_line.h"
#include "platform/data_folder.h"
#include "platform/mixer.h"
#include "platform/program.h"
#include "platform/replay_options.h"
#include "platform/sdl/presenter.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_setup.h"
#include "state/game_state.h"

int main(int argc, char** argv) {
    if (kestrway::answerInformationRequest(argc, argv, std::cout)) return EXIT_SUCCESS;
    kestrway::ReplayOptions options;
    const std::string problem =
        kestrway::readReplayOptions(std::vector<std::string>(argv, argv + argc), options);
    if (!problem.empty()) {
        std::cerr << "kestrway: " << problem << '\n';
        return 2;
    }
    // Data in the working directory wins; otherwise the installed copy.
    std::error_code noDirectory;
    kestrway::chooseDataFolder(std::filesystem::current_path(noDirectory).string(),
                               kestrway::executablePath(), std::cerr);
    // Never destroyed: the game thread uses the game's tables and pictures
    // until the process ends, however it ends (exit() runs static
    // destructors while that thread may still be drawing).
    static kestrway::GameState& game = *new kestrway::GameState;
    if (options.mode == kestrway::ReplayMode::kVerify) {
        return kestrway::runVerification(game, argc, argv, options.path, std::cout, std::cerr);
    }
    if (!kestrway::startSdl()) {
        return EXIT_FAILURE;
    }
    kestrway::setSoundMuted(options.mute);
    // Without a device the game plays on in silence.
    kestrway::openSdlAudio();
    std::thread gameThread([argc, argv] { kestrway::runGame(game, argc, argv); });
    // The process ends in the presenter through std::exit, which must not
    // find a joinable thread object.
    gameThread.detach();
    kestrway::runPresenter();
}
