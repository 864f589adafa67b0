// What the road records and starts while it draws: obstacles, the random
// draws of trees and towers, tower shots, spanners and unknown codes.
#include <gtest/gtest.h>

#include <functional>

#include "platform/random.h"
#include "platform/screen.h"
#include "support/test_track.h"
#include "world/road.h"

namespace kestrway::test {
namespace {

// The first seed whose draw number `index` (from 0) satisfies `wanted`.
double findSeed(int32_t index, const std::function<bool(double)>& wanted) {
    for (double seed = 1; seed < 100000; ++seed) {
        GameRandom generator;
        generator.seed(seed);
        double draw = 0;
        for (int32_t i = 0; i <= index; ++i) draw = generator.next();
        if (wanted(draw)) return seed;
    }
    ADD_FAILURE() << "no seed found";
    return 1;
}

bool towerFires(double draw) { return static_cast<int32_t>(draw * 800) < 5; }

// The draw that follows `used` draws from `seed`.
double drawAfter(double seed, int32_t used) {
    GameRandom generator;
    generator.seed(seed);
    for (int32_t i = 0; i < used; ++i) generator.next();
    return generator.next();
}

using RoadDrawTest = WorldTest;

TEST_F(RoadDrawTest, ObstaclesAreRecordedInDrawingOrderAfterTheScroll) {
    // After the scroll below, rows 378 (just above the screen) to 394 are drawn.
    setTrackRows(*game, 377, {"T...............",    // not drawn
                              "T...............",    // row 378, at y = -31
                              "................",
                              "...............T"});
    setTrackRows(*game, 385, {"..T.....X......."});
    setCell(*game, 395, 0, kTree);  // not drawn
    game->shots.shots.fill(Shot{1, 0, 0, 0, 0, 0, 0, 0});  // keeps any tower shot out
    game->scrollRow = 20;
    game->scrollOffset = 30;
    game->playerSpeed = 3;
    scrollAndDrawRoad(*game);
    ASSERT_EQ(game->scrollRow, 21);
    ASSERT_EQ(game->scrollOffset, 1);
    const auto obstacles = recordedObstacles(*game);
    ASSERT_EQ(obstacles.size(), 4u);
    const ScreenPoint expected[4] = {{0, -31},
                                     {15 * 32, rowTopOnScreen(*game, 380)},
                                     {2 * 32, rowTopOnScreen(*game, 385)},
                                     {8 * 32, rowTopOnScreen(*game, 385)}};
    for (size_t i = 0; i < obstacles.size(); ++i) {
        EXPECT_EQ(obstacles[i].x, expected[i].x) << i;
        EXPECT_EQ(obstacles[i].y, expected[i].y) << i;
    }
    EXPECT_EQ(rowTopOnScreen(*game, 378), -31);
}

TEST_F(RoadDrawTest, AnEmptyViewLeavesOnlyTheEndMarker) {
    game->obstacles.fill(ScreenPoint{5, 5});
    scrollAndDrawRoad(*game);
    EXPECT_EQ(game->obstacles[0].x, -1);
    EXPECT_EQ(game->obstacles[0].y, -1);
}

TEST_F(RoadDrawTest, AViewFullOfTreesRecordsEveryCellAndDrawsOncePerCell) {
    fillTrack(*game, kTree);
    seedRandom(7);
    scrollAndDrawRoad(*game);
    EXPECT_EQ(recordedObstacles(*game).size(), 17u * 16u);
    EXPECT_EQ(game->obstacles.back().x, -1);
    EXPECT_EQ(randomUnit(), drawAfter(7, 17 * 16));
}

TEST_F(RoadDrawTest, OnlyTreesAndTowersInViewDrawRandomNumbers) {
    setTrackRows(*game, 380, {"TTTT............"});  // above the start view
    setTrackRows(*game, 390, {"..T..X..~~12=#..", "T..............X"});
    game->shots.shots.fill(Shot{1, 0, 0, 0, 0, 0, 0, 0});
    seedRandom(3);
    scrollAndDrawRoad(*game);
    EXPECT_EQ(randomUnit(), drawAfter(3, 4));
}

TEST_F(RoadDrawTest, AFiringTowerShootsRightThenLeftFromItsCell) {
    // A tree drawn first uses the first draw; the tower's is the second.
    const double seed = findSeed(1, towerFires);
    setTrackRows(*game, 390, {"T...............", "........X......."});
    seedRandom(seed);
    scrollAndDrawRoad(*game);
    const int32_t tileX = 8 * 32;
    const int32_t tileY = rowTopOnScreen(*game, 391);
    const Shot& right = game->shots.shots[0];
    const Shot& left = game->shots.shots[1];
    EXPECT_EQ(right.active, 1);
    EXPECT_EQ(right.x, tileX + 16);
    EXPECT_EQ(right.y, tileY + 8);
    EXPECT_EQ(right.dx, 4);
    EXPECT_EQ(right.dy, 0);
    EXPECT_EQ(right.picture, 3);
    EXPECT_EQ(right.owner, kEnemyShot);
    EXPECT_EQ(left.active, 1);
    EXPECT_EQ(left.x, tileX + 16);
    EXPECT_EQ(left.dx, -4);
    EXPECT_EQ(game->shots.shots[2].active, 0);
}

TEST_F(RoadDrawTest, TowersHoldFireOnOtherDrawsAndTreesNeverFire) {
    const double quietSeed = findSeed(0, [](double draw) { return !towerFires(draw); });
    setCell(*game, 394, 4, kTower);
    seedRandom(quietSeed);
    scrollAndDrawRoad(*game);
    EXPECT_EQ(game->shots.shots[0].active, 0);

    const double firingSeed = findSeed(0, towerFires);
    setCell(*game, 394, 4, kTree);
    seedRandom(firingSeed);
    scrollAndDrawRoad(*game);
    EXPECT_EQ(game->shots.shots[0].active, 0);
}

TEST_F(RoadDrawTest, SpannersAreDrawnByTheTravelledDistanceUnlessCollected) {
    game->pickupImages[0] = createImage(16, 16, 0xFF123456);
    game->spanners[0] = Spanner{3 * 32 + 8, 100 * 32 + 8};
    game->spanners[1] = Spanner{-1, 100 * 32 + 8};
    game->scrollRow = 110;
    game->scrollOffset = 5;
    scrollAndDrawRoad(*game);
    const int32_t y = 32 * 110 + 5 - 3208;
    EXPECT_EQ(pixel(104, y) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(pixel(119, y + 15) & 0xFFFFFF, 0x123456u);
    EXPECT_NE(pixel(103, y) & 0xFFFFFF, 0x123456u);
    EXPECT_NE(pixel(104, y + 16) & 0xFFFFFF, 0x123456u);
    // The collected one would have covered x 0 to 14 at the same height.
    EXPECT_NE(pixel(0, y + 4) & 0xFFFFFF, 0x123456u);
}

TEST_F(RoadDrawTest, CodesBeyondTheTileSetDrawBlankAndDoNothing) {
    setCell(*game, 394, 2, 200);
    setCell(*game, 394, 3, 21);
    setCell(*game, 394, 4, 255);
    seedRandom(9);
    scrollAndDrawRoad(*game);
    for (int32_t column : {2, 3, 4}) {
        const TilePixel seen = decodeTilePixel(pixel(column * 32 + 3, 320 + 5));
        EXPECT_EQ(seen.slot, 5) << column;
        EXPECT_EQ(seen.py, 5);
    }
    EXPECT_TRUE(recordedObstacles(*game).empty());
    EXPECT_EQ(randomUnit(), drawAfter(9, 0));
}

}  // namespace
}  // namespace kestrway::test
