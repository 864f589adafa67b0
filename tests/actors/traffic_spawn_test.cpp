// Placing the traffic at a stage start: the random draws in scan order, the
// limit of 100, the empty rows at the start, and what a reused slot keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "actors/traffic_test_world.h"
#include "platform/random.h"

namespace kestrway::test {
namespace {

using TrafficSpawn = TrafficWorldTest;

int32_t placedCount(const GameState& game) {
    int32_t count = 0;
    for (const Vehicle& vehicle : game.traffic.vehicles) count += vehicle.kind > 0 ? 1 : 0;
    return count;
}

TEST_F(TrafficSpawn, FullRoadStopsAtTheHundredthVehicleWithOneDrawPerCellAndVehicle) {
    fillTrack(*game, kRoad1);
    seedRandom(11);
    spawnTraffic(*game);
    ASSERT_EQ(placedCount(*game), 100);
    EXPECT_EQ(game->traffic.vehicles[100].kind, kNoVehicle);

    for (const Vehicle& vehicle : game->traffic.vehicles) {
        if (vehicle.kind == kNoVehicle) continue;
        EXPECT_EQ(vehicle.lane, vehicle.column + 1);
        EXPECT_EQ(vehicle.heading, vehicle.lane <= 3 ? -1 : 1);
    }
    // Slots follow the scan from the far end: rows, then columns.
    for (int32_t slot = 1; slot < 100; ++slot) {
        const Vehicle& before = game->traffic.vehicles[static_cast<size_t>(slot - 1)];
        const Vehicle& after = game->traffic.vehicles[static_cast<size_t>(slot)];
        ASSERT_LT(before.row * kTrackWidth + before.column, after.row * kTrackWidth + after.column);
    }
    // Every road cell up to the last placed one cost a draw, each vehicle one more.
    const Vehicle& last = game->traffic.vehicles[99];
    const int32_t cellsVisited = last.row * kTrackWidth + last.column + 1;
    GameRandom reference;
    reference.seed(11);
    for (int32_t draw = 0; draw < cellsVisited + 100; ++draw) reference.next();
    EXPECT_EQ(randomUnit(), reference.next());
}

TEST_F(TrafficSpawn, DrawsFollowTheRoadCellsOnlyAndNotTheLastNineteenRows) {
    // Two lanes of road1 and one of road2 with a verge, down the whole track.
    for (int32_t row = 0; row < kTrackRows; ++row) {
        setTrackRows(*game, row, {"...11.2......~T."});
    }
    seedRandom(3);
    spawnTraffic(*game);

    GameRandom reference;
    reference.seed(3);
    std::vector<Vehicle> expected;
    const int32_t roadColumns[] = {3, 4, 6};
    for (int32_t row = 0; row <= 380; ++row) {
        for (int32_t column : roadColumns) {
            if (std::floor(reference.next() * 100) >= 4) continue;
            Vehicle vehicle;
            vehicle.kind = std::floor(reference.next() * 10) < 6 ? (column == 6 ? 2 : 1) : 3;
            vehicle.column = column;
            vehicle.row = row;
            vehicle.lane = column == 3 ? 1 : column == 4 ? 2 : 3;
            expected.push_back(vehicle);
        }
    }
    ASSERT_GT(expected.size(), 10u);
    ASSERT_LT(expected.size(), 100u);
    EXPECT_EQ(randomUnit(), reference.next());  // no draw for the last 19 rows

    ASSERT_EQ(placedCount(*game), static_cast<int32_t>(expected.size()));
    int32_t tanks = 0;
    for (size_t slot = 0; slot < expected.size(); ++slot) {
        const Vehicle& vehicle = game->traffic.vehicles[slot];
        EXPECT_EQ(vehicle.kind, expected[slot].kind) << slot;
        EXPECT_EQ(vehicle.column, expected[slot].column) << slot;
        EXPECT_EQ(vehicle.row, expected[slot].row) << slot;
        EXPECT_EQ(vehicle.lane, expected[slot].lane) << slot;
        EXPECT_EQ(vehicle.heading, -1);
        EXPECT_EQ(vehicle.hitPoints, 1);
        EXPECT_EQ(vehicle.moving, 1);
        tanks += vehicle.kind == kTank ? 1 : 0;
    }
    EXPECT_GT(tanks, 0);
}

TEST_F(TrafficSpawn, EmptiesEverySlotButKeepsEachSlotsReload) {
    for (int32_t slot = 0; slot < kVehicleSlots; ++slot) {
        Vehicle& vehicle = putVehicle(slot, kTank, 5, 100, 100);
        vehicle.offsetX = 7;
        vehicle.sideStep = 1;
        vehicle.moving = 0;
        vehicle.fireDelay = slot % 21;
    }
    spawnTraffic(*game);  // an all-grass track: nothing is placed
    for (int32_t slot = 0; slot < kVehicleSlots; ++slot) {
        const Vehicle& vehicle = game->traffic.vehicles[static_cast<size_t>(slot)];
        EXPECT_EQ(vehicle.kind, kNoVehicle);
        EXPECT_EQ(vehicle.offsetX, 0);
        EXPECT_EQ(vehicle.offsetY, 0);
        EXPECT_EQ(vehicle.sideStep, 0);
        EXPECT_EQ(vehicle.heading, 0);
        EXPECT_EQ(vehicle.moving, 1);
        EXPECT_EQ(vehicle.fireDelay, slot % 21);
    }

    // A tank placed in a reused slot starts with the reload left there.
    fillTrack(*game, kRoad1);
    spawnTraffic(*game);
    for (int32_t slot = 0; slot < kMaxPlacedVehicles; ++slot) {
        EXPECT_EQ(game->traffic.vehicles[static_cast<size_t>(slot)].fireDelay, slot % 21);
    }
}

}  // namespace
}  // namespace kestrway::test
