// The player's car driven through whole stretches of play: a clear road to
// the finish, a tree, water and spanners.
#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "player/stage_scenario.h"

namespace kestrway::test {
namespace {

using PlayerScenario = StageScenario;

// A straight road in columns 4 to 9 down the whole track.
void layStraightRoad(GameState& game) {
    for (int32_t row = 0; row < kTrackRows; ++row) setTrackRows(game, row, {"....112211......"});
}

TEST_F(PlayerScenario, ClearRoadDrivenAtTopSpeedReachesTheFinish) {
    layStraightRoad(*game);
    startStage(false);
    pressOnFrame(kScanUp, 0);
    pressOnFrame(kScanUp, 2);
    pressOnFrame(kScanUp, 4);
    int32_t topSpeedFrames = 0;
    const int32_t frames = play(5000, [&](int32_t) {
        topSpeedFrames += game->playerSpeed == 4 ? 1 : 0;
    });
    RecordProperty("framesToFinish", frames);

    // 383 rows of 32 pixels: 2 at speed 1, 4 at speed 2, then 4 a frame
    // until row 399, and one more frame there raises the finish.
    const int32_t distance = 383 * 32;
    const int32_t cruising = (distance - 6 + 3) / 4;
    EXPECT_EQ(frames, 4 + cruising + 1);
    EXPECT_EQ(run.endReason, kStageCompleted);
    EXPECT_EQ(game->stageComplete, 1);
    EXPECT_EQ(game->scrollRow, 399);
    EXPECT_EQ(game->playerGear, 0);
    EXPECT_EQ(game->playerSpeed, 0);
    EXPECT_EQ(topSpeedFrames, cruising);
    EXPECT_EQ(game->damageLevel, 0);
    EXPECT_EQ(game->playerX, 192);
    EXPECT_EQ(game->score, 0);
}

TEST_F(PlayerScenario, TreeAheadStopsTheCarOnceAndCanBeDrivenAround) {
    layStraightRoad(*game);
    setCell(*game, 390, 6, kTree);  // 96 pixels ahead of the car's top
    startStage(false);
    pressOnFrame(kScanUp, 0);
    int32_t crashFrame = -1;
    play(200, [&](int32_t frame) {
        if (crashFrame < 0 && game->damageLevel == 1) crashFrame = frame;
    });
    // At speed 1 the tree's box reaches the car's box one pixel ahead after
    // 96 - 1 pixels of road, and the car stops right there.
    EXPECT_EQ(crashFrame, 95);
    EXPECT_EQ(game->damageLevel, 1);
    EXPECT_EQ(game->playerGear, 0);
    EXPECT_EQ(game->scrollOffset, 31);
    EXPECT_EQ(game->scrollRow, 18);

    // Standing still against it costs nothing more; reverse, steer left
    // past it and drive on.
    pressOnFrame(kScanDown, 201);
    holdDuringFrames(kScanLeft, 203, 222);
    pressOnFrame(kScanUp, 223);
    pressOnFrame(kScanUp, 225);
    play(400);
    EXPECT_EQ(game->damageLevel, 1);
    EXPECT_EQ(game->playerX, 152);
    EXPECT_GT(game->scrollRow, 21);  // the tree's row is behind the car
}

TEST_F(PlayerScenario, WaterTurnsTheCarIntoABoatCappedAtSecondGear) {
    layStraightRoad(*game);
    setTrackRows(*game, 380, {"~~~~~~~~~~~~~~~~", "~~~~~~~~~~~~~~~~", "~~~~~~~~~~~~~~~~"});
    startStage(false);
    for (int32_t frame = 0; frame <= 6; frame += 2) pressOnFrame(kScanUp, frame);
    int32_t boatFrames = 0;
    bool cappedEveryTime = true;
    bool boatOnlyOverWater = true;
    play(400, [&](int32_t) {
        // The car's middle is tested before the scroll; after it, the
        // middle has moved on by this frame's speed.
        const int32_t tested = tileAtScreen(*game, 208, 336 + game->playerSpeed);
        if (game->playerVehicle == 1) {
            ++boatFrames;
            cappedEveryTime = cappedEveryTime && game->playerGear == 2 && game->playerSpeed == 2;
        }
        boatOnlyOverWater = boatOnlyOverWater && ((tested == kWater) == (game->playerVehicle == 1));
    });
    EXPECT_EQ(boatFrames, 3 * 32 / 2);
    EXPECT_TRUE(cappedEveryTime);
    EXPECT_TRUE(boatOnlyOverWater);
    EXPECT_EQ(game->playerGear, 2);  // the cap stays after the water
    EXPECT_EQ(game->playerVehicle, 0);
}

TEST_F(PlayerScenario, SpannersRepairThenScore) {
    layStraightRoad(*game);
    startStage(false);
    game->damageLevel = 2;
    // Met by the car's middle after about 100, 200 and 300 pixels.
    game->spanners[0] = Spanner{200, 176 + 100};
    game->spanners[1] = Spanner{200, 176 + 200};
    game->spanners[2] = Spanner{200, 176 + 300};
    game->spanners[3] = Spanner{300, 176 + 300};  // beside the car's path
    pressOnFrame(kScanUp, 0);
    pressOnFrame(kScanUp, 2);
    std::vector<int32_t> damageSeen;
    play(200, [&](int32_t) {
        if (damageSeen.empty() || damageSeen.back() != game->damageLevel) {
            damageSeen.push_back(game->damageLevel);
        }
    });
    EXPECT_EQ(damageSeen, (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(game->spanners[0].x, -1);
    EXPECT_EQ(game->spanners[1].x, -1);
    EXPECT_EQ(game->spanners[2].x, -1);
    EXPECT_EQ(game->spanners[3].x, 300);
    EXPECT_EQ(game->score, 20);
}

}  // namespace
}  // namespace kestrway::test
