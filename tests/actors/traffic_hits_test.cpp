// Shots destroying vehicles: the score for the player's own shots only, the
// explosion, the strict edges, and the test made after the vehicle moved.
#include <gtest/gtest.h>

#include "actors/traffic_test_world.h"

namespace kestrway::test {
namespace {

using TrafficHits = TrafficWorldTest;

// A shot whose test point, the middle of its picture, is at (px, py).
void enemyShotAt(GameState& game, int32_t px, int32_t py) {
    fireShot(game.shots, px - 16, py - 8, 1, 2, kEnemyShot);
}
// A player's shot whose left test point is at (px, py).
void playerShotAt(GameState& game, int32_t px, int32_t py) {
    fireShot(game.shots, px - 9, py - 8, -1, 0, kPlayerShot);
}

TEST_F(TrafficHits, PlayersShotScoresForTanksAndAgainstCivilians) {
    game->score = 5;
    putVehicle(0, kTank, 4, 64, 100);  // moves to y 101
    playerShotAt(*game, 80, 120);
    updateTraffic(*game);
    EXPECT_EQ(game->traffic.vehicles[0].kind, kNoVehicle);
    EXPECT_EQ(game->score, 15);
    EXPECT_EQ(liveShots(), 0);
    const Explosion& blast = game->explosions.explosions[0];
    EXPECT_EQ(blast.active, 1);
    EXPECT_EQ(blast.x, 64 + 8);
    EXPECT_EQ(blast.y, 101 + 8);

    putVehicle(1, kCivilian2, 1, 256, 100);  // moves to y 99
    playerShotAt(*game, 270, 110);
    updateTraffic(*game);
    EXPECT_EQ(game->traffic.vehicles[1].kind, kNoVehicle);
    EXPECT_EQ(game->score, 5);
    putVehicle(2, kCivilian1, 1, 256, 100);
    playerShotAt(*game, 270, 110);
    updateTraffic(*game);
    EXPECT_EQ(game->score, -5);  // not clamped
}

TEST_F(TrafficHits, EnemyShotsDestroyWithoutScoring) {
    putVehicle(0, kTank, 4, 64, 100);
    enemyShotAt(*game, 80, 120);
    updateTraffic(*game);
    EXPECT_EQ(game->traffic.vehicles[0].kind, kNoVehicle);
    EXPECT_EQ(game->score, 0);
    EXPECT_EQ(game->explosions.explosions[0].active, 1);

    putVehicle(1, kCivilian1, 1, 256, 100);
    enemyShotAt(*game, 270, 110);
    updateTraffic(*game);
    EXPECT_EQ(game->traffic.vehicles[1].kind, kNoVehicle);
    EXPECT_EQ(game->score, 0);
}

TEST_F(TrafficHits, TestPointOnAnEdgeMissesAndTheTestFollowsTheMove) {
    // Driving up from y 100 to 99: its box is now 99 to 131 down, 64 to 96 across.
    Vehicle& car = putVehicle(0, kCivilian1, 1, 64, 100);
    enemyShotAt(*game, 64, 110);   // on the left edge
    enemyShotAt(*game, 96, 110);   // on the right edge
    enemyShotAt(*game, 80, 131);   // on the bottom edge after the move
    updateTraffic(*game);
    EXPECT_EQ(car.kind, kCivilian1);
    EXPECT_EQ(liveShots(), 3);

    // On the top edge before the next move, strictly inside after it.
    clearShots(game->shots);
    enemyShotAt(*game, 80, 99);
    updateTraffic(*game);
    EXPECT_EQ(car.kind, kNoVehicle);
}

}  // namespace
}  // namespace kestrway::test
