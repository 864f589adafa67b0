// Vehicles meeting the player's car: stopping one pixel short, edges
// included, and restarting only once the road has carried them away.
#include <gtest/gtest.h>

#include "actors/traffic_test_world.h"

namespace kestrway::test {
namespace {

using TrafficContact = TrafficWorldTest;

TEST_F(TrafficContact, NextStepTouchingTheCarStopsTheVehicleEdgesIncluded) {
    // Driving down towards the car from above: tested one pixel further on.
    Vehicle& touching = putVehicle(0, kCivilian1, 4, 192, 320 - 33);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 0), 1);
    EXPECT_EQ(touching.moving, 0);
    Vehicle& clear = putVehicle(1, kCivilian1, 4, 192, 320 - 34);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 1), 0);
    EXPECT_EQ(clear.moving, 1);

    // Driving up from below, mirrored.
    putVehicle(2, kTank, 1, 192, 320 + 33);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 2), 1);
    putVehicle(3, kTank, 1, 192, 320 + 34);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 3), 0);

    // Across: contact boxes 22 wide, so left edges 22 apart still touch.
    putVehicle(4, kCivilian2, 1, 192 + 22, 320);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 4), 1);
    putVehicle(5, kCivilian2, 1, 192 - 23, 320);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 5), 0);

    // An empty slot is never blocked and keeps its fields.
    Vehicle& empty = putVehicle(6, kNoVehicle, 4, 192, 320);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 6), 0);
    EXPECT_EQ(empty.moving, 1);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, kVehicleSlots), 0);
}

TEST_F(TrafficContact, StoppedVehicleWaitsUntilMoreThan96PixelsAway) {
    game->scrollRow = 40;
    game->scrollOffset = 10;
    Vehicle& car = putVehicle(0, kCivilian1, 4, 192, 320 - 33);
    const int32_t offsetY = car.offsetY;
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 0);
    EXPECT_EQ(car.offsetY, offsetY);

    // The car steering away does not restart it: only the vertical gap counts.
    game->playerX = 400;
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 0);
    EXPECT_EQ(car.offsetY, offsetY);

    // The road carries it up the screen, as when the player reverses.
    game->scrollRow -= 2;
    game->scrollOffset = 11;  // now 63 pixels higher: a gap of exactly 96
    EXPECT_EQ(verticalGapToPlayer(*game, 0), 96);
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 0);
    game->scrollOffset = 10;
    EXPECT_EQ(verticalGapToPlayer(*game, 0), 97);
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 1);
    EXPECT_EQ(car.offsetY, offsetY);  // restarted at the end of the step
    updateTraffic(*game);
    EXPECT_EQ(car.offsetY, offsetY + 1);
}

TEST_F(TrafficContact, StoppedVehicleBelowTheCarRestartsTheSameWay) {
    Vehicle& car = putVehicle(0, kCivilian1, 4, 192, 320 + 97);
    car.moving = 0;
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 1);
}

}  // namespace
}  // namespace kestrway::test
