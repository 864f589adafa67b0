// --help, --version and the choice of the data folder.
#include "platform/command_line.h"

#include <ostream>
#include <string_view>

#include "platform/data_folder.h"
#include "platform/files.h"

namespace kestrway {

namespace {

constexpr std::string_view kHelpText =
    "Kestrway: a top-down road race with shooting, in a 640x480 window.\n"
    "Race to the end of each stage, shoot the tanks, spare the civilian cars and\n"
    "collect spanners to repair your car. Five points of damage end the game.\n"
    "\n"
    "Keys:\n"
    "  Up / Down        change gear (two reverse, stop, three forward)\n"
    "  Left / Right     steer (only while moving)\n"
    "  Space            fire; on the still screens, continue\n"
    "  Escape           back to the title screen; on the title screen, quit\n"
    "  P, Pause         pause and resume play (play also pauses while away)\n"
    "  M                sound off and on\n"
    "  F11, Alt+Enter   toggle fullscreen\n"
    "\n"
    "Gamepads: D-pad or left stick for the arrows, A or the right trigger for Space,\n"
    "Back for Escape, Start to pause (on the still screens: continue). B does nothing.\n"
    "\n"
    "The game reads its pictures, font and maps from gfx/, fonts/ and map/ in the\n"
    "working directory when it holds them; otherwise from the program's own folder,\n"
    "then <program folder>/../share/kestrway, then <program folder>/../share/games/kestrway.\n"
    "Its sounds come from sfx/ in the same place; without them it plays silently.\n"
    "Without --record it writes nothing.\n"
    "\n"
    "  --record FILE   play as usual and record every game of the run into FILE\n"
    "  --play FILE     show the games recorded in FILE (Escape stops)\n"
    "  --verify FILE   replay FILE's games without a window, as fast as possible, and\n"
    "                  say whether each ends as recorded (status 0 all, 1 not, 2 unusable)\n"
    "  --mute          start with sound off\n"
    "  --help          print this text and exit\n"
    "  --version       print the version and exit\n";

}  // namespace

const char* programVersion() {
    return KESTRWAY_VERSION;
}

bool answerInformationRequest(int argc, char** argv, std::ostream& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            out << "Kestrway " << programVersion() << '\n';
            return true;
        }
        if (argument == "--help") {
            out << kHelpText;
            return true;
        }
    }
    return false;
}

std::string missingDataMessage(const std::vector<std::string>& candidates) {
    std::string message = "kestrway: no game data (gfx/, fonts/, map/) found in ";
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0) message += i + 1 == candidates.size() ? " or " : ", ";
        message += candidates[i];
    }
    message += "; running with blank pictures";
    return message;
}

void chooseDataFolder(const std::string& workingDirectory, const std::string& executablePath,
                      std::ostream& err) {
    setDataFolder(findDataFolder(workingDirectory, executablePath));
    if (!anyDataFolderFound(workingDirectory, executablePath)) {
        err << missingDataMessage(dataFolderCandidates(workingDirectory, executablePath)) << '\n';
    }
}

}  // namespace kestrway
