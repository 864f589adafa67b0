// The player's car driven through the real frame loop on a straight road:
// to the finish, into a tree, over spanners and water, and in a tank's line.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "game/frame_loop.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
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

TEST_F(PlayerScenario, AClearRoadDrivenAtTopSpeedReachesTheFinish) {
    for (int32_t frame : {1, 3, 5}) hold(kScanUp, frame, frame);
    int32_t topSpeedFrames = 0;
    const int32_t frames = play(5000, [&](int32_t) { topSpeedFrames += game->playerSpeed == 4; });
    RecordProperty("framesToFinish", frames);
    // 383 rows of 32 pixels: 2 at speed 1, 4 at speed 2, then 4 a frame up
    // to row 399, and one more frame there raises the finish.
    const int32_t cruising = (383 * 32 - 6 + 3) / 4;
    EXPECT_EQ((std::array{frames, topSpeedFrames, run.endReason}),
              (std::array{5 + cruising + 1, cruising, int32_t{kStageCompleted}}));
    EXPECT_EQ((std::array{game->scrollRow, game->playerGear, game->damageLevel, game->score}),
              (std::array{399, 0, 0, 0}));
}

TEST_F(PlayerScenario, ATreeAheadStopsTheCarWithOnePointOfDamage) {
    cell(*game, 390, 6) = kTree;  // 96 pixels ahead of the car's top
    hold(kScanUp, 1, 1);
    int32_t crashFrame = -1;
    play(300, [&](int32_t frame) {
        crashFrame = crashFrame < 0 && game->damageLevel > 0 ? frame : crashFrame;
    });
    // At speed 1 the boxes touch one pixel ahead after 96 - 1 pixels of road;
    // standing against the tree then costs nothing more.
    EXPECT_EQ((std::array{crashFrame, game->damageLevel, game->playerGear, game->scrollRow,
                          game->scrollOffset}),
              (std::array{1 + 95, 1, 0, 18, 31}));
}

TEST_F(PlayerScenario, SpannersRepairThenScoreAndWaterMakesABoatInSecondGear) {
    game->damageLevel = 2;
    // Met by the car's middle after about 100, 200 and 300 pixels; one beside its path.
    game->spanners = {Spanner{200, 276}, {200, 376}, {200, 476}, {300, 476}, {-1, 0}, {-1, 0}};
    fillRows(*game, 370, 372, "~~~~~~~~~~~~~~~~");
    for (int32_t frame : {1, 3, 5, 200}) hold(kScanUp, frame, frame);  // the last one on the boat
    std::vector<int32_t> damageSeen{2};
    int32_t boatFrames = 0;
    play(500, [&](int32_t) {
        if (damageSeen.back() != game->damageLevel) damageSeen.push_back(game->damageLevel);
        boatFrames += game->playerVehicle;
        EXPECT_TRUE(game->playerVehicle == 0 || game->playerGear == 2) << "a boat above gear 2";
    });
    EXPECT_EQ(damageSeen, (std::vector<int32_t>{2, 1, 0}));
    // 96 pixels of water at 2 a frame; the cap stays after it.
    EXPECT_EQ((std::array{game->score, game->spanners[3].x, boatFrames, game->playerGear,
                          game->playerVehicle}),
              (std::array{20, 300, 48, 2, 0}));
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
