// Finding the data folder from the working directory or the installed copy,
// and the sounds in it: sfx/ beside gfx/, never needed for a folder to count
// as the data (a missing sound is silence).
#include "platform/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/files.h"
#include "platform/sound_files.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;

// The working directory wins when it holds gfx/, fonts/ and map/; then the
// program's own folder; then <its folder>/../share/kestrway, then
// <its folder>/../share/games/kestrway; else "".
TEST(DataFolder, WorkingDirectoryThenBesideTheProgramThenTheShareFolders) {
    struct Case {
        std::vector<const char*> withData;
        const char* found;  // relative to the root; "" for the working directory
    };
    const Case cases[] = {
        {{"work", "prefix/share/kestrway"}, ""},
        {{"prefix/bin", "prefix/share/kestrway"}, "prefix/bin"},
        {{"prefix/share/kestrway", "prefix/share/games/kestrway"}, "prefix/share/kestrway"},
        {{"prefix/share/games/kestrway"}, "prefix/share/games/kestrway"},
        {{}, ""},
    };
    const fs::path root =
        fs::temp_directory_path() / ("kestrway_datafolder_" + std::to_string(::getpid()));
    const std::string exe = (root / "prefix" / "bin" / "kestrway").string();
    for (const Case& c : cases) {
        fs::remove_all(root);
        // Incomplete, the sounds do not make up for it: not the game's data.
        fs::create_directories(root / "work" / "gfx");
        fs::create_directories(root / "work" / "sfx");
        fs::create_directories(root / "prefix" / "bin");
        for (const char* folder : c.withData) {
            for (const char* part : {"gfx", "fonts", "map"})
                fs::create_directories(root / folder / part);
        }
        // As paths: Windows separates the folders the candidates add with "\".
        EXPECT_EQ(fs::path(findDataFolder((root / "work").string(), exe)),
                  *c.found ? (root / c.found).lexically_normal() : fs::path())
            << c.found;
        EXPECT_EQ(anyDataFolderFound((root / "work").string(), exe), !c.withData.empty())
            << c.found;
    }
    EXPECT_EQ(findDataFolder((root / "work").string(), ""), "");
    EXPECT_FALSE(executablePath().empty());

    setDataFolder((root / "data").string());
    EXPECT_EQ(fs::path(soundFilePath("shot")), root / "data" / "sfx" / "shot.wav");
    setDataFolder("");
    EXPECT_EQ(soundFilePath(kEngineSoundName), "sfx/engine.wav");
    fs::remove_all(root);
}

}  // namespace
}  // namespace kestrway
