// Whole scripted games with the mixer captured in virtual time: each
// effect's sound starts in the presenter pass of the frame whose rule raised
// it (so within a pass and a device buffer of it), M and the pause silence
// the engine, and sound never changes the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "game/screens.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

constexpr int32_t kRate = 48000;
constexpr int32_t kFireReload = 10;
constexpr int32_t kTankReload = 20;
constexpr int32_t kDestroyingDamage = 5;
// The timer's start, so the seed, of a stage where this script shoots
// vehicles and meets a tank's rockets before it is wrecked.
constexpr double kSeedClock = 1030.0;
// A script that failed to wreck the car ends the game here.
constexpr double kGiveUpSeconds = 90.0;

// Each watched effect is one sample at its own level, a digit in base 4, so
// the first sample of a pass's block tells which effects started in it and
// how many of each (up to three).
const std::map<SoundEffect, int16_t> kLevels = {
    {SoundEffect::Shot, 1},          {SoundEffect::Hit, 4},        {SoundEffect::Explosion, 16},
    {SoundEffect::CarExplosion, 64}, {SoundEffect::GetReady, 256}, {SoundEffect::GameOver, 1024},
    {SoundEffect::Rocket, 4096}};

SoundClips markerClips() {
    SoundClips clips;
    for (const auto& [effect, level] : kLevels) {
        clips[static_cast<size_t>(effect)] = SoundClip{{level}, kRate};
    }
    return clips;
}

enum class SoundSetup { None, MarkerClips, DataFiles };

struct PlayedGame {
    RunPrints prints;
    std::vector<int32_t> expectedMarks;  // per pass, from the game's state
    int32_t raised = 0;                  // effects the listener was told of
    std::vector<int16_t> sound;
};

// A game driven hard into trouble: top gear and firing all the time until
// the car is destroyed; then Space past Game Over and close.
PlayedGame playToDestruction(SoundSetup setup,
                             const std::filesystem::path& data = KESTRWAY_DATA_DIR) {
    GameHarness harness(data, kSeedClock);
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    // A crash drops the gear to 0, so the car keeps shifting up.
    for (double t = 0.3; t < kGiveUpSeconds; t += 0.2) headless::holdKey(kScanUp, t, t + 0.05);
    headless::holdKey(kScanSpace, 0.3, kGiveUpSeconds);
    headless::pressCloseButton(kGiveUpSeconds);
    if (setup == SoundSetup::MarkerClips) startMixerWithClips(kRate, markerClips());
    if (setup == SoundSetup::DataFiles) startMixer(kRate);
    if (setup != SoundSetup::None) headless::captureSound(kRate);

    PlayedGame played;
    static int32_t* raised = nullptr;
    raised = &played.raised;
    setSoundListener([](SoundEffect) { ++*raised; });
    GameState previous;
    bool titleBefore = true;
    int32_t destroyedPass = -1;
    uint32_t cornerBefore = 0;
    bool gameOverShown = false;
    played.prints = printRun(harness, [&](GameState& game) {
        const auto pass = static_cast<int32_t>(played.expectedMarks.size());
        int32_t marks = 0;
        const bool title = headless::presentedPixel(40, 40) == kTitleBlue;
        if (titleBefore && !title) marks += kLevels.at(SoundEffect::GetReady);
        titleBefore = title;
        if (game.controls.fireCooldown == kFireReload &&
            previous.controls.fireCooldown != kFireReload) {
            marks += kLevels.at(SoundEffect::Shot);
        }
        if (game.damageLevel > previous.damageLevel && !title) {
            marks += (game.damageLevel - previous.damageLevel) * kLevels.at(SoundEffect::Hit);
        }
        if (game.damageLevel >= kDestroyingDamage && destroyedPass < 0) {
            marks += kLevels.at(SoundEffect::CarExplosion);
            destroyedPass = pass;
        }
        for (size_t slot = 0; slot < game.traffic.vehicles.size(); ++slot) {
            const Vehicle& now = game.traffic.vehicles[slot];
            const Vehicle& before = previous.traffic.vehicles[slot];
            if (before.kind != kNoVehicle && now.kind == kNoVehicle && now.hitPoints <= 0) {
                marks += kLevels.at(SoundEffect::Explosion);
            }
            if (now.kind == kTank && now.fireDelay == kTankReload &&
                before.fireDelay != kTankReload) {
                marks += kLevels.at(SoundEffect::Rocket);
            }
        }
        // The wreck stands still; the Game Over screen dims the whole picture.
        const uint32_t corner = headless::presentedPixel(40, 40);
        if (destroyedPass >= 0 && pass > destroyedPass + 1 && corner != cornerBefore &&
            !gameOverShown) {
            gameOverShown = true;
            marks += kLevels.at(SoundEffect::GameOver);
            headless::typeKey(' ', headless::virtualSeconds() + 0.5);
            headless::pressCloseButton(headless::virtualSeconds() + 1.0);
        }
        cornerBefore = corner;
        played.expectedMarks.push_back(marks);
        previous.controls = game.controls;
        previous.damageLevel = game.damageLevel;
        previous.traffic.vehicles = game.traffic.vehicles;
    });
    setSoundListener(nullptr);
    const std::span<const int16_t> sound = headless::capturedSound();
    played.sound.assign(sound.begin(), sound.end());
    return played;
}

TEST(SoundGame, EachSoundStartsInThePassOfTheFrameItsRuleActsIn) {
    const PlayedGame played = playToDestruction(SoundSetup::MarkerClips);
    const size_t perPass = kRate / 100;
    ASSERT_EQ(played.sound.size(), played.expectedMarks.size() * perPass);
    std::map<int32_t, int32_t> heard;  // level -> times it started
    int32_t started = 0;
    for (size_t pass = 0; pass < played.expectedMarks.size(); ++pass) {
        const int16_t first = played.sound[pass * perPass];
        ASSERT_EQ(first, played.expectedMarks[pass]) << "pass " << pass;
        for (const auto& [effect, level] : kLevels) heard[level] += first / level % 4;
    }
    // Among them the car's explosion: the script must end in its destruction.
    for (const auto& [effect, level] : kLevels) {
        EXPECT_GT(heard[level], 0) << "effect " << static_cast<int>(effect) << " never sounded";
        started += heard[level];
    }
    // The listener is told of every effect raised (more than these watched ones).
    EXPECT_GE(played.raised, started);
}

TEST(SoundGame, SoundNeverChangesTheGame) {
    namespace fs = std::filesystem;
    const PlayedGame silent = playToDestruction(SoundSetup::None);
    // The game's data without its sfx/ folder, in a scratch copy.
    const fs::path noSounds = fs::temp_directory_path() / "kestrway_sound_test_data";
    fs::remove_all(noSounds);
    fs::create_directories(noSounds);
    for (const char* part : {"gfx", "fonts", "map"}) {
        fs::copy(fs::path(KESTRWAY_DATA_DIR) / part, noSounds / part, fs::copy_options::recursive);
    }
    for (const fs::path& data : {fs::path(KESTRWAY_DATA_DIR), noSounds}) {
        SCOPED_TRACE(data);
        const PlayedGame sounding = playToDestruction(SoundSetup::DataFiles, data);
        EXPECT_EQ(firstDifference(sounding.prints, silent.prints), -1);
        const bool heard = std::any_of(sounding.sound.begin(), sounding.sound.end(),
                                       [](int16_t sample) { return sample != 0; });
        EXPECT_EQ(heard, data != noSounds);
    }
    fs::remove_all(noSounds);
}

TEST(SoundGame, TheEnginePitchFollowsTheSpeedAndMAndThePauseSilenceIt) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    SoundClips clips;
    clips[kEngineSlot] = SoundClip{std::vector<int16_t>(480), kRate};
    for (size_t i = 0; i < 480; ++i) clips[kEngineSlot]->samples[i] = i < 240 ? 4000 : -4000;
    startMixerWithClips(kRate, clips);  // a 100 Hz square when idling
    headless::captureSound(kRate);
    headless::typeKey(' ', 0.6);
    headless::typeKey(' ', 0.7);
    headless::holdKey(kScanUp, 1.3, 1.35);  // speed 1
    headless::holdKey(kScanUp, 2.0, 2.05);  // speed 2
    headless::pressSoundKey(3.0);
    headless::pressSoundKey(3.5);
    headless::pressPauseKey(4.0);
    headless::pressPauseKey(4.5);
    headless::pressCloseButton(5.0);
    harness.run();
    const std::span<const int16_t> sound = headless::capturedSound();
    // Upward crossings in 0.4 s of capture from `from`, as hertz.
    const auto hertz = [&](double from) {
        int32_t crossings = 0;
        const auto first = static_cast<size_t>(from * kRate);
        for (size_t i = first + 1; i < first + kRate * 2 / 5 && i < sound.size(); ++i) {
            crossings += sound[i - 1] < 0 && sound[i] >= 0;
        }
        return crossings * 5 / 2;
    };
    EXPECT_EQ(hertz(0.05), 0) << "no engine on the title";
    EXPECT_NEAR(hertz(0.8), 100, 4) << "idling in gear 0";
    EXPECT_NEAR(hertz(1.5), 125, 4);
    EXPECT_NEAR(hertz(2.4), 150, 4);
    EXPECT_EQ(hertz(3.05), 0) << "M turns it off";
    EXPECT_NEAR(hertz(3.55), 150, 4) << "and on again";
    EXPECT_EQ(hertz(4.05), 0) << "paused";
    EXPECT_NEAR(hertz(4.55), 150, 4);
}

}  // namespace
}  // namespace kestrway
