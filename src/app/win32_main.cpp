// The program's entry on Windows: the game runs on the main thread, the
// presenter on a thread of its own that openScreen starts.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/command_line.h"
#include "platform/data_folder.h"
#include "platform/host_path.h"
#include "platform/mixer.h"
#include "platform/replay_options.h"
#include "platform/win32/console_output.h"
#include "platform/win32/dpi_awareness.h"
#include "platform/win32/system_clock.h"
#include "state/game_state.h"

namespace {

int runProgram(int argc, char** argv) {
    std::ostringstream answer;
    if (kestrway::answerInformationRequest(argc, argv, answer)) {
        kestrway::printToConsole(answer.str());
        return EXIT_SUCCESS;
    }
    kestrway::ReplayOptions options;
    const std::string problem =
        kestrway::readReplayOptions(std::vector<std::string>(argv, argv + argc), options);
    if (!problem.empty()) {
        kestrway::printToConsole("kestrway: " + problem + "\n");
        return 2;
    }
    kestrway::becomeDpiAware();
    // Data in the working directory wins; otherwise the folder of the program.
    std::error_code noDirectory;
    kestrway::chooseDataFolder(kestrway::utf8FromPath(std::filesystem::current_path(noDirectory)),
                               kestrway::executablePath(), std::cerr);
    kestrway::requestFineTimer();
    // Static: the game's tables are large, and they live until the process ends.
    static kestrway::GameState game;
    if (options.mode == kestrway::ReplayMode::kVerify) {
        std::ostringstream report;
        const int32_t status =
            kestrway::runVerification(game, argc, argv, options.path, report, report);
        kestrway::printToConsole(report.str());
        return status;
    }
    kestrway::setSoundMuted(options.mute);
    kestrway::runGame(game, argc, argv);
}

}  // namespace

// The command line as Windows keeps it, in UTF-16, so that file names in any
// script reach the game whole: the narrow argv would be in the user's code
// page, which cannot hold most of them. Every argument becomes UTF-8, as
// every path in the game is.
int wmain(int argc, wchar_t** wideArgv) {
    // Static: the game reads them until the process ends.
    static std::vector<std::string> arguments;
    static std::vector<char*> argv;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(kestrway::utf8FromPath(std::filesystem::path(wideArgv[i])));
    }
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    return runProgram(argc, argv.data());
}
