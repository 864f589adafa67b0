// The player's control step: gear latches, collisions tested ahead, water
// and the boat, spanners, steering and its side tests, and firing.
#include <gtest/gtest.h>

#include <initializer_list>

#include "actors/traffic_test_world.h"
#include "platform/keyboard.h"

namespace kestrway::test {
namespace {

class PlayerControl : public TrafficWorldTest {
protected:
    // One control step with these keys held.
    void frame(std::initializer_list<int32_t> keys = {}) {
        for (int32_t key : keys) holdForNextFrame(key);
        nextPass();
        updatePlayer(*game);
    }
    // The car's middle, (208, 336), lies on track row 394, column 6.
    void setCentreTile(uint8_t code) { setCell(*game, 394, 6, code); }
};

TEST_F(PlayerControl, EachPressChangesTheGearOnceWithinItsLimits) {
    for (int32_t i = 0; i < 5; ++i) frame({kScanUp});
    EXPECT_EQ(game->playerGear, 1);
    EXPECT_EQ(game->playerSpeed, 1);
    for (int32_t press = 0; press < 4; ++press) {
        frame({kScanUp});
        frame();
    }
    EXPECT_EQ(game->playerGear, 3);
    EXPECT_EQ(game->playerSpeed, 4);

    frame({kScanUp, kScanDown});  // Up first finds the limit, then Down counts
    EXPECT_EQ(game->playerGear, 2);
    frame();
    for (int32_t press = 0; press < 5; ++press) {
        frame({kScanDown});
        frame();
    }
    EXPECT_EQ(game->playerGear, -2);
    EXPECT_EQ(game->playerSpeed, -2);
}

TEST_F(PlayerControl, WaterMakesABoatCappedAtSecondGearInTheSameFrame) {
    setCentreTile(kWater);
    game->playerGear = 3;
    frame();
    EXPECT_EQ(game->playerGear, 2);
    EXPECT_EQ(game->playerSpeed, 2);
    EXPECT_EQ(game->playerVehicle, 1);
    frame({kScanUp});
    EXPECT_EQ(game->playerGear, 2);
    EXPECT_EQ(game->playerSpeed, 2);

    setCentreTile(kRoad1);
    frame();
    EXPECT_EQ(game->playerGear, 2);
    EXPECT_EQ(game->playerVehicle, 0);
}

TEST_F(PlayerControl, SpannerRepairsOrScoresOneAtATime) {
    // Both boxes hold the car's middle (208, 336) at the start view.
    game->spanners[0] = Spanner{200, 512 - 336};
    game->spanners[1] = Spanner{193, 512 - 305};
    game->damageLevel = 2;
    frame();
    EXPECT_EQ(game->damageLevel, 1);
    EXPECT_EQ(game->spanners[0].x, -1);
    EXPECT_EQ(game->spanners[1].x, 193);
    EXPECT_EQ(game->score, 0);

    game->damageLevel = 0;
    frame();
    EXPECT_EQ(game->score, 20);
    EXPECT_EQ(game->damageLevel, 0);
    EXPECT_EQ(game->spanners[1].x, -1);
}

TEST_F(PlayerControl, ObstacleTouchingTheCarAheadStopsAndDamagesIt) {
    game->playerGear = 1;
    game->obstacles[0] = ScreenPoint{192, 320 - 1 - 33};  // one pixel short
    game->obstacles[1] = ScreenPoint{-1, -1};
    frame();
    EXPECT_EQ(game->playerGear, 1);
    EXPECT_EQ(game->damageLevel, 0);

    game->obstacles[0] = ScreenPoint{192, 320 - 1 - 32};  // bottom edge on the car's top
    frame();
    EXPECT_EQ(game->playerGear, 0);
    EXPECT_EQ(game->playerSpeed, 0);
    EXPECT_EQ(game->damageLevel, 1);
}

TEST_F(PlayerControl, ObstacleAndVehicleBothHitWithTheSameSpeed) {
    game->playerGear = 3;
    game->obstacles[0] = ScreenPoint{192, 320 - 4 - 32};
    game->obstacles[1] = ScreenPoint{-1, -1};
    // This vehicle touches only the car four pixels ahead.
    Vehicle& car = putVehicle(0, kCivilian1, 1, 192, 320 - 36);
    frame();
    EXPECT_EQ(game->damageLevel, 2);
    EXPECT_EQ(game->playerGear, 0);
    EXPECT_EQ(car.moving, 0);
}

TEST_F(PlayerControl, SteersTwoPixelsOnlyWhileMoving) {
    frame({kScanRight});
    EXPECT_EQ(game->playerX, 192);
    game->playerGear = 1;
    frame({kScanRight});
    EXPECT_EQ(game->playerX, 194);
    frame({kScanLeft});
    frame({kScanLeft});
    EXPECT_EQ(game->playerX, 190);
    frame({kScanLeft, kScanRight});
    EXPECT_EQ(game->playerX, 190);
}

TEST_F(PlayerControl, SideStepIsRefusedByAnObstacleEdge) {
    game->playerGear = 1;
    game->obstacles[1] = ScreenPoint{-1, -1};
    game->obstacles[0] = ScreenPoint{192 + 29, 320};
    frame({kScanRight});
    EXPECT_EQ(game->playerX, 192);
    EXPECT_EQ(game->damageLevel, 0);
    game->obstacles[0] = ScreenPoint{192 + 30, 320};
    frame({kScanRight});
    EXPECT_EQ(game->playerX, 194);
}

TEST_F(PlayerControl, LeftIsTestedFromWhereRightMovedTheCar) {
    game->playerGear = 1;
    game->obstacles[1] = ScreenPoint{-1, -1};
    // Its right edge (x + 3) blocks a left step from 192 but not from 194.
    game->obstacles[0] = ScreenPoint{192 - 29, 320};
    frame({kScanLeft});
    EXPECT_EQ(game->playerX, 192);
    frame({kScanLeft, kScanRight});
    EXPECT_EQ(game->playerX, 192);
    frame({kScanRight});
    EXPECT_EQ(game->playerX, 194);
}

TEST_F(PlayerControl, SideTestsStopVehiclesBesideTheCarWithoutAnyKey) {
    Vehicle& right = putVehicle(0, kCivilian1, 1, 192 + 24, 320);
    Vehicle& left = putVehicle(1, kTank, 1, 192 - 24, 320);
    frame();  // gear 0: no side tests
    EXPECT_EQ(right.moving, 1);
    EXPECT_EQ(left.moving, 1);
    game->playerGear = 1;
    frame();
    EXPECT_EQ(right.moving, 0);
    EXPECT_EQ(left.moving, 0);
    EXPECT_EQ(game->damageLevel, 0);
    EXPECT_EQ(game->playerX, 192);
}

TEST_F(PlayerControl, HeldSpaceFiresEveryEleventhFrame) {
    std::vector<int32_t> firedOn;
    for (int32_t frameNumber = 0; frameNumber < 34; ++frameNumber) {
        const int32_t before = liveShots();
        frame({kScanSpace});
        if (liveShots() > before) firedOn.push_back(frameNumber);
    }
    EXPECT_EQ(firedOn, (std::vector<int32_t>{0, 11, 22, 33}));
    const Shot& shot = game->shots.shots[0];
    EXPECT_EQ(shot.x, 192 + 8);
    EXPECT_EQ(shot.y, 320);
    EXPECT_EQ(shot.dy, -8);
    EXPECT_EQ(shot.owner, kPlayerShot);
    EXPECT_EQ(shot.picture, 0);
}

TEST_F(PlayerControl, ReloadStartsEvenWhenTheShotTableIsFull) {
    for (Shot& shot : game->shots.shots) shot.active = 1;
    frame({kScanSpace});
    EXPECT_EQ(game->controls.fireCooldown, 10);
    clearShots(game->shots);
    for (int32_t frameNumber = 1; frameNumber <= 10; ++frameNumber) {
        frame({kScanSpace});
        ASSERT_EQ(liveShots(), 0) << frameNumber;
    }
    frame({kScanSpace});
    EXPECT_EQ(liveShots(), 1);
}

}  // namespace
}  // namespace kestrway::test
