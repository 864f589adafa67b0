// Tanks aiming along the road and firing rockets with their reload.
#include <gtest/gtest.h>

#include "actors/traffic_test_world.h"

namespace kestrway::test {
namespace {

using TankFire = TrafficWorldTest;

TEST_F(TankFire, AimsOnlyWhenLinedUpAndNeverAtEqualHeight) {
    // The player's car is at (192, 320).
    putVehicle(0, kTank, 4, 192 + 15, 320 - 199);
    EXPECT_EQ(tankAim(*game, 0), 1);
    putVehicle(0, kTank, 4, 192 - 15, 320 - 199);
    EXPECT_EQ(tankAim(*game, 0), 1);
    putVehicle(0, kTank, 4, 192 + 16, 320 - 100);
    EXPECT_EQ(tankAim(*game, 0), 0);
    putVehicle(0, kTank, 4, 192 - 16, 320 - 100);
    EXPECT_EQ(tankAim(*game, 0), 0);
    putVehicle(0, kTank, 4, 192, 320 - 200);
    EXPECT_EQ(tankAim(*game, 0), 0);
    EXPECT_EQ(verticalGapToPlayer(*game, 0), 200);

    putVehicle(0, kTank, 1, 192, 320 + 199);
    EXPECT_EQ(tankAim(*game, 0), -1);
    putVehicle(0, kTank, 1, 192, 320 + 200);
    EXPECT_EQ(tankAim(*game, 0), 0);
    putVehicle(0, kTank, 1, 192, 320);
    EXPECT_EQ(tankAim(*game, 0), 0);
    putVehicle(0, kTank, 1, 192, 321);
    EXPECT_EQ(tankAim(*game, 0), -1);
}

TEST_F(TankFire, FiresDownAtTheCarThenReloadsForTwentySteps) {
    Vehicle& tank = putVehicle(0, kTank, 4, 192, 200);
    updateTraffic(*game);
    // It moved first, then fired from its new place.
    const Shot& rocket = game->shots.shots[0];
    EXPECT_EQ(liveShots(), 1);
    EXPECT_EQ(rocket.x, 192 + 8);
    EXPECT_EQ(rocket.y, 201 + 26);
    EXPECT_EQ(rocket.dy, 4);
    EXPECT_EQ(rocket.picture, 2);
    EXPECT_EQ(rocket.owner, kEnemyShot);
    EXPECT_EQ(tank.fireDelay, 20);

    for (int32_t step = 0; step < 20; ++step) {
        clearShots(game->shots);  // keep the rocket off the tank's own box
        updateTraffic(*game);
        ASSERT_EQ(liveShots(), 0) << step;
    }
    EXPECT_EQ(tank.fireDelay, 0);
    updateTraffic(*game);
    EXPECT_EQ(liveShots(), 1);
    EXPECT_EQ(tank.fireDelay, 20);
}

TEST_F(TankFire, FiresUpFromBelowAndCiviliansNeverFire) {
    putVehicle(0, kCivilian2, 1, 192, 400);
    Vehicle& tank = putVehicle(1, kTank, 1, 192, 400);
    updateTraffic(*game);
    ASSERT_EQ(liveShots(), 1);
    const Shot& rocket = game->shots.shots[0];
    EXPECT_EQ(rocket.y, 399 - 14);
    EXPECT_EQ(rocket.dy, -4);
    EXPECT_EQ(rocket.picture, 1);
    EXPECT_EQ(tank.fireDelay, 20);
}

TEST_F(TankFire, ReloadCountsDownEvenWhenNotLinedUp) {
    Vehicle& tank = putVehicle(0, kTank, 4, 400, 100);
    tank.fireDelay = 3;
    updateTraffic(*game);
    updateTraffic(*game);
    updateTraffic(*game);
    EXPECT_EQ(tank.fireDelay, 0);
    updateTraffic(*game);
    EXPECT_EQ(tank.fireDelay, 0);
    EXPECT_EQ(liveShots(), 0);
}

}  // namespace
}  // namespace kestrway::test
