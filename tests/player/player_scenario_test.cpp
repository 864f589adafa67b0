// The player's car driven through the real frame loop on a straight road:
// over spanners and water with their sounds, into oncoming and standing
// traffic, and in a tank's line.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <span>
#include <tuple>
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

class PlayerScenario : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        fillRows(*game, 0, kTrackRows - 1, "....112211......");
    }
    // Frame f reads the keys of the presenter pass after frame f - 1, so
    // frames from 1 can see a key.
    static void hold(int32_t scanCode, int32_t first, int32_t last) {
        headless::holdKey(scanCode, 0.010 * first - 0.002, 0.010 * last + 0.005);
    }
    // Plays until the stage ends or the limit, showing afterFrame the state
    // after each frame; returns the frames played.
    int32_t play(int32_t limit, const std::function<void(int32_t)>& afterFrame) {
        for (int32_t frame = 0; frame < limit; ++frame) {
            const int32_t reason = playFrame(*game, run);
            afterFrame(frame);
            if (reason != kKeepPlaying) return frame + 1;
        }
        return limit;
    }
    StageRun run;
};

// Each rule raises its sound in the frame it acts, heard in the presenter pass that follows the
// frame in the headless capture: one sample per sound, each at its own level, a digit in base 4.
TEST_F(PlayerScenario, SpannersRepairThenScoreAndWaterMakesABoatInSecondGearEachWithItsSound) {
    constexpr int32_t kRate = 48000;
    const std::map<SoundEffect, int16_t> levels = {{SoundEffect::Spanner, 1},
                                                   {SoundEffect::Bonus, 4},
                                                   {SoundEffect::WaterIn, 16},
                                                   {SoundEffect::WaterOut, 64}};
    SoundClips clips;
    for (const auto& [effect, level] : levels) {
        clips[static_cast<size_t>(effect)] = SoundClip{{level}, kRate};
    }
    startMixerWithClips(kRate, clips);
    headless::captureSound(kRate);
    game->damageLevel = 2;
    // Met by the car's middle after about 100, 200 and 300 pixels; one beside its path.
    game->spanners = {Spanner{200, 276}, {200, 376}, {200, 476}, {300, 476}, {-1, 0}, {-1, 0}};
    fillRows(*game, 370, 372, "~~~~~~~~~~~~~~~~");
    for (int32_t frame : {1, 3, 5, 200}) hold(kScanUp, frame, frame);  // the last one on the boat
    std::vector<int32_t> damageSeen{2};
    int32_t boatFrames = 0;
    int32_t score = 0;
    int32_t vehicle = 0;
    std::map<SoundEffect, int32_t> heard;
    play(500, [&](int32_t frame) {
        const int32_t expected =
            (game->damageLevel < damageSeen.back()) * levels.at(SoundEffect::Spanner) +
            (game->score == score + 20) * levels.at(SoundEffect::Bonus) +
            (game->playerVehicle > vehicle) * levels.at(SoundEffect::WaterIn) +
            (game->playerVehicle < vehicle) * levels.at(SoundEffect::WaterOut);
        const std::span<const int16_t> sound = headless::capturedSound();
        const auto perPass = static_cast<size_t>(headless::soundFramesPerPass());
        ASSERT_EQ(sound.size(), static_cast<size_t>(frame + 1) * perPass);
        EXPECT_EQ(sound[sound.size() - perPass], expected) << "frame " << frame;
        for (const auto& [effect, level] : levels) {
            heard[effect] += sound[sound.size() - perPass] / level % 4;
        }
        if (damageSeen.back() != game->damageLevel) damageSeen.push_back(game->damageLevel);
        score = game->score;
        vehicle = game->playerVehicle;
        boatFrames += game->playerVehicle;
        EXPECT_TRUE(game->playerVehicle == 0 || game->playerGear == 2) << "a boat above gear 2";
    });
    EXPECT_EQ(damageSeen, (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(heard, (std::map<SoundEffect, int32_t>{{SoundEffect::Spanner, 2},
                                                     {SoundEffect::Bonus, 1},
                                                     {SoundEffect::WaterIn, 1},
                                                     {SoundEffect::WaterOut, 1}}));
    // 96 pixels of water at 2 a frame; the cap stays after it.
    EXPECT_EQ((std::array{game->score, game->spanners[3].x, boatFrames, game->playerGear,
                          game->playerVehicle}),
              (std::array{20, 300, 48, 2, 0}));
}

TEST_F(PlayerScenario, EachHeadOnCollisionCostsOnePointAndDestroysNoCar) {
    // 160 head-on collisions: a civilian car driving down towards the player's
    // car in gear 2 or 3, from 80 heights (every phase of the closing speed),
    // at offsets across from -20 to 20 and in the four down lanes. The vehicle
    // stops a pixel short of the car, or exactly touching it when the traffic
    // step and the car's own step close the gap together: standing in that
    // contact used to cost a point every frame, destroying the car five
    // frames later.
    int32_t cases = 0;
    int32_t touchingAfter = 0;
    for (int32_t gear : {2, 3}) {
        for (int32_t y = 180; y < 260; ++y, ++cases) {
            SetUp();  // a fresh world for every case
            const int32_t dx = (cases * 7) % 41 - 20;
            const int32_t lane = 4 + cases % 4;
            SCOPED_TRACE(testing::Message()
                         << "gear " << gear << ", y " << y << ", dx " << dx << ", lane " << lane);
            const Vehicle& vehicle = putVehicle(0, kCivilian1 + cases % 2, lane, 192 + dx, y);
            for (int32_t press = 0; press < gear; ++press) {
                hold(kScanUp, 1 + 2 * press, 1 + 2 * press);
            }
            run = StageRun{};
            int32_t maxDamage = 0;
            // Long enough to meet the vehicle, then to stand in contact for many frames.
            play(150, [&](int32_t) { maxDamage = std::max(maxDamage, game->damageLevel); });
            touchingAfter += vehicle.touchingPlayer;
            ASSERT_EQ((std::array{maxDamage, game->damageLevel, game->playerGear, vehicle.moving,
                                  run.endReason}),
                      (std::array{1, 1, 0, 0, int32_t{kKeepPlaying}}));
        }
    }
    // The cases the old rule destroyed are those that end with the boxes touching.
    EXPECT_GT(touchingAfter, 0);
}

// Touching a vehicle costs a point once, then nothing while it lasts; out of
// contact for one test and back is a new contact; another vehicle is another
// contact even while the first still touches, and leaving the first while the
// second lasts costs nothing. The steering test still stops without counting.
TEST_F(PlayerScenario, AContactCountsOncePerVehicleAndAgainAfterItEnds) {
    // Two stopped cars, one above the other and a little to the right.
    Vehicle& first = putVehicle(0, kCivilian1, 4, 192, 287);
    Vehicle& second = putVehicle(1, kCivilian2, 5, 212, 240);
    first.moving = second.moving = 0;
    constexpr auto kNew = VehicleContact::kNew, kOn = VehicleContact::kContinued;
    const std::tuple<int32_t, int32_t, VehicleContact, int32_t, int32_t> steps[] = {
        {192, 319, kNew, 1, 0}, {192, 319, kOn, 1, 0},  {192, 360, VehicleContact::kNone, 0, 0},
        {192, 319, kNew, 1, 0}, {200, 260, kNew, 1, 1}, {200, 260, kOn, 1, 1},
        {212, 230, kOn, 0, 1}};
    for (const auto& [x, y, contact, firstTouching, secondTouching] : steps) {
        EXPECT_EQ(vehicleContact(*game, x, y), contact) << x << "," << y;
        EXPECT_EQ((std::array{first.touchingPlayer, second.touchingPlayer}),
                  (std::array{firstTouching, secondTouching}))
            << x << "," << y;
    }
    second.moving = 1;
    EXPECT_EQ(hitsVehicle(*game, 212, 230), 1);
    EXPECT_EQ(second.moving, 0);
}

TEST_F(PlayerScenario, ATankLinedUpFiresUntilTheCarIsDestroyed) {
    // Lane 4 drives down towards the car from 220 pixels above.
    putVehicle(0, kTank, 4, 192, 100);
    std::vector<int32_t> hitFrames;
    const int32_t frames = play(1000, [&](int32_t frame) {
        if (game->damageLevel > static_cast<int32_t>(hitFrames.size())) hitFrames.push_back(frame);
    });
    // Traffic step k falls in frame 2k - 1 and moves the tank to 100 + k; it
    // is first within 200 pixels at step 21, then reloads for 20 steps. A
    // rocket fired in step k starts at y 126 + k, and in frame f >= 2k - 1 it
    // is at 126 + k + 4 (f - 2k + 2); the car takes it once that passes 312.
    const std::vector<int32_t> expected = {82, 119, 155, 192, 229};
    EXPECT_EQ(hitFrames, expected);
    EXPECT_EQ((std::array{frames, run.endReason, game->score}),
              (std::array{expected.back() + 1, 2, 0}));
}

}  // namespace
}  // namespace kestrway::test
