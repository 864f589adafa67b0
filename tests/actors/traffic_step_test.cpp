// The traffic step against the player's car and the shots: stopping a pixel
// short with edges included, restarting past 96 pixels, shots destroying
// vehicles for a score, and tanks aiming along the road.
#include <gtest/gtest.h>

#include <array>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

// The player's car stands at (192, 320) in every test.
using TrafficStep = WorldTest;

TEST_F(TrafficStep, AVehicleWhoseNextPixelTouchesTheCarStopsEdgesIncluded) {
    // Lane 4 drives down from above, lane 1 up from below; contact boxes are 22 wide.
    const std::array<int32_t, 4> cases[] = {{4, 192, 320 - 33, 1}, {4, 192, 320 - 34, 0},
                                            {1, 192, 320 + 33, 1}, {1, 192, 320 + 34, 0},
                                            {1, 192 + 22, 320, 1}, {1, 192 - 23, 320, 0}};
    for (int32_t i = 0; i < 6; ++i) {
        const auto& [lane, x, y, blocked] = cases[i];
        const Vehicle& vehicle = putVehicle(i, kCivilian1, lane, x, y);
        EXPECT_EQ(vehicleBlockedByPlayer(*game, i), blocked) << i;
        EXPECT_EQ(vehicle.moving, 1 - blocked) << i;
    }
    putVehicle(7, kNoVehicle, 4, 192, 320);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, 7), 0);
    EXPECT_EQ(vehicleBlockedByPlayer(*game, kVehicleSlots), 0);
}

TEST_F(TrafficStep, AStoppedVehicleRestartsOnlyWhenMoreThan96PixelsAway) {
    game->scrollRow = 40;
    const Vehicle& car = putVehicle(0, kCivilian1, 4, 192, 320 - 33);
    updateTraffic(*game);
    game->playerX = 400;  // steering away does not count, only the gap along the road
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 0);
    game->scrollRow -= 2;  // the road carries it up the screen, as when reversing
    game->scrollOffset = 1;
    ASSERT_EQ(verticalGapToPlayer(*game, 0), 96);
    updateTraffic(*game);
    EXPECT_EQ(car.moving, 0);
    game->scrollOffset = 0;
    const int32_t offsetY = car.offsetY;
    updateTraffic(*game);
    // Restarted at the end of the step, so it moves from the next one.
    EXPECT_EQ((std::array{car.moving, car.offsetY}), (std::array{1, offsetY}));
}

TEST_F(TrafficStep, AnyShotDestroysAVehicleButOnlyThePlayersScore) {
    // The vehicle moves from y 100 to 101 first: the shot's test row, 132,
    // lies on its box's edge before the move and inside after it.
    const std::array<int32_t, 3> cases[] = {{kTank, kPlayerShot, 15},
                                            {kCivilian1, kPlayerShot, -5},
                                            {kCivilian2, kPlayerShot, -5},
                                            {kTank, kEnemyShot, 5},
                                            {kCivilian1, kEnemyShot, 5}};
    for (const auto& [kind, owner, score] : cases) {
        game->score = 5;
        clearExplosions(game->explosions);
        const Vehicle& vehicle = putVehicle(0, kind, 4, 64, 100);
        game->shots.shots[0] = Shot{1, 72, 124, 0, 0, owner, 0, 0};
        updateTraffic(*game);
        EXPECT_EQ(vehicle.kind, kNoVehicle);
        EXPECT_EQ((std::array{game->score, liveShots()}), (std::array{score, 0}))
            << kind << " " << owner;
        const Explosion& blast = game->explosions.explosions[0];
        EXPECT_EQ((std::array{blast.active, blast.x, blast.y}), (std::array{1, 64 + 8, 101 + 8}));
    }
}

TEST_F(TrafficStep, TanksAimAndFireOnlyWhenLinedUpWithinTheRange) {
    const std::array<int32_t, 4> cases[] = {{4, 207, 121, 1}, {4, 177, 121, 1}, {4, 208, 220, 0},
                                            {4, 176, 220, 0}, {4, 192, 120, 0}, {1, 192, 519, -1},
                                            {1, 192, 520, 0}, {1, 192, 320, 0}, {1, 192, 321, -1}};
    for (const auto& [lane, x, y, aim] : cases) {
        putVehicle(0, kTank, lane, x, y);
        EXPECT_EQ(tankAim(*game, 0), aim) << x << "," << y;
    }
    // A tank below fires up from where it moved to, then reloads.
    Vehicle& tank = putVehicle(0, kTank, 1, 192, 400);
    updateTraffic(*game);
    const Shot& rocket = game->shots.shots[0];
    EXPECT_EQ(
        (std::array{rocket.x, rocket.y, rocket.dy, rocket.picture, rocket.owner, tank.fireDelay}),
        (std::array{200, 399 - 14, -4, 1, 1, 20}));
}

}  // namespace
}  // namespace kestrway::test
