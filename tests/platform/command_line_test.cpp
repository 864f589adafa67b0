// --help and --version answered before any window, other arguments ignored,
// and the line that names the folders looked in when none holds the data.
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kestrway {
namespace {

bool answer(std::vector<std::string> arguments, std::string& printed) {
    arguments.insert(arguments.begin(), "kestrway");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    std::ostringstream out;
    const bool answered = answerInformationRequest(static_cast<int>(argv.size()), argv.data(), out);
    printed = out.str();
    return answered;
}

TEST(CommandLine, HelpAndVersionAreAnsweredAndEverythingElseIgnored) {
    std::string printed;
    ASSERT_TRUE(answer({"--version"}, printed));
    EXPECT_EQ(printed, std::string("Kestrway ") + KESTRWAY_EXPECTED_VERSION + "\n");
    ASSERT_TRUE(answer({"-x", "--help"}, printed));
    EXPECT_NE(printed.find("Escape"), std::string::npos);
    EXPECT_NE(printed.find("share/games/kestrway"), std::string::npos);
    for (const std::vector<std::string>& ignored :
         {std::vector<std::string>{}, {"--fullscreen"}, {"-h"}, {"--versions"}, {"help"}}) {
        EXPECT_FALSE(answer(ignored, printed)) << (ignored.empty() ? "" : ignored[0]);
        EXPECT_EQ(printed, "");
    }
}

TEST(CommandLine, MissingDataNamesEveryFolderLookedIn) {
    EXPECT_EQ(missingDataMessage({"/w", "/p", "/p/../share/kestrway"}),
              "kestrway: no game data (gfx/, fonts/, map/) found in /w, /p or "
              "/p/../share/kestrway; running with blank pictures");
    std::ostringstream err;
    chooseDataFolder("/nonexistent/kestrway/work", "", err);
    EXPECT_EQ(err.str(), missingDataMessage({"/nonexistent/kestrway/work"}) + "\n");
    err.str("");
    chooseDataFolder(KESTRWAY_DATA_DIR, "", err);
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace kestrway
