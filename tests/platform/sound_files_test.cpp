// Where the sounds are found: sfx/ beside gfx/ in the data folder, never
// needed for a folder to count as one (a missing sound is silence).
#include "platform/sound_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "platform/data_folder.h"
#include "platform/files.h"

namespace kestrway {
namespace {

namespace fs = std::filesystem;

TEST(SoundFiles, SoundsAreFoundBesideThePicturesAndAreNotNeededToFindThem) {
    const fs::path root =
        fs::temp_directory_path() / ("kestrway_soundfiles_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "work" / "sfx");  // sounds alone: not the game's data
    for (const char* part : {"gfx", "fonts", "map"}) {
        fs::create_directories(root / "prefix" / "share" / "kestrway" / part);
    }
    const std::string exe = (root / "prefix" / "bin" / "kestrway").string();
    const std::string found = findDataFolder((root / "work").string(), exe);
    EXPECT_EQ(fs::path(found), (root / "prefix" / "share" / "kestrway").lexically_normal());

    setDataFolder(found);
    EXPECT_EQ(fs::path(soundFilePath("shot")), fs::path(found) / "sfx" / "shot.wav");
    setDataFolder("");
    EXPECT_EQ(soundFilePath(kEngineSoundName), "sfx/engine.wav");
    fs::remove_all(root);
}

TEST(SoundFiles, EveryEffectHasItsOwnName) {
    std::set<std::string_view> names{kEngineSoundName, kBoatSoundName, kAlarmSoundName};
    for (size_t i = 0; i < static_cast<size_t>(SoundEffect::Count); ++i) {
        const std::string_view name = soundEffectName(static_cast<SoundEffect>(i));
        EXPECT_FALSE(name.empty()) << i;
        EXPECT_TRUE(names.insert(name).second) << name << " named twice";
    }
    EXPECT_EQ(soundEffectName(SoundEffect::Shot), "shot");
    EXPECT_EQ(soundEffectName(SoundEffect::GameOver), "game_over");
    EXPECT_EQ(soundEffectName(SoundEffect::Count), "");
}

}  // namespace
}  // namespace kestrway
