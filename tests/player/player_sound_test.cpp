// The player's rules raise their sounds in the frame they act: spanners
// (repair, then the bonus points), and the water (in and out), heard in the
// presenter pass that follows the frame in the headless capture.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "game/frame_loop.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "player/player.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

constexpr int32_t kRate = 48000;
constexpr int32_t kSpannerScore = 20;

// One sample each at its own level, a digit in base 4.
const std::map<SoundEffect, int16_t> kLevels = {{SoundEffect::Spanner, 1},
                                                {SoundEffect::Bonus, 4},
                                                {SoundEffect::WaterIn, 16},
                                                {SoundEffect::WaterOut, 64}};

TEST_F(WorldTest, SpannersAndWaterSoundInThePassAfterTheirFrame) {
    fillRows(*game, 0, kTrackRows - 1, "....112211......");
    game->damageLevel = 1;
    // Met by the car's middle after about 100, 200 and 300 pixels.
    game->spanners = {Spanner{200, 276}, {200, 376}, {200, 476}, {-1, 0}, {-1, 0}, {-1, 0}};
    fillRows(*game, 370, 372, "~~~~~~~~~~~~~~~~");
    SoundClips clips;
    for (const auto& [effect, level] : kLevels) {
        clips[static_cast<size_t>(effect)] = SoundClip{{level}, kRate};
    }
    startMixerWithClips(kRate, clips);
    headless::captureSound(kRate);
    for (const int32_t frame : {1, 3}) {
        headless::holdKey(kScanUp, 0.010 * frame - 0.002, 0.010 * frame + 0.005);
    }
    StageRun run;
    std::map<SoundEffect, int32_t> heard;
    for (int32_t frame = 0; frame < 400; ++frame) {
        const struct {
            int32_t damageLevel, score, playerVehicle;
        } before{game->damageLevel, game->score, game->playerVehicle};
        ASSERT_EQ(playFrame(*game, run), kKeepPlaying);
        const int32_t expected =
            (game->damageLevel < before.damageLevel) * kLevels.at(SoundEffect::Spanner) +
            (game->score == before.score + kSpannerScore) * kLevels.at(SoundEffect::Bonus) +
            (game->playerVehicle > before.playerVehicle) * kLevels.at(SoundEffect::WaterIn) +
            (game->playerVehicle < before.playerVehicle) * kLevels.at(SoundEffect::WaterOut);
        const std::span<const int16_t> sound = headless::capturedSound();
        ASSERT_EQ(sound.size(), static_cast<size_t>(frame + 1) * headless::soundFramesPerPass());
        const int16_t first =
            sound[sound.size() - static_cast<size_t>(headless::soundFramesPerPass())];
        ASSERT_EQ(first, expected) << "frame " << frame;
        for (const auto& [effect, level] : kLevels) heard[effect] += first / level % 4;
    }
    EXPECT_EQ(heard, (std::map<SoundEffect, int32_t>{{SoundEffect::Spanner, 1},
                                                     {SoundEffect::Bonus, 2},
                                                     {SoundEffect::WaterIn, 1},
                                                     {SoundEffect::WaterOut, 1}}));
}

}  // namespace
}  // namespace kestrway::test
