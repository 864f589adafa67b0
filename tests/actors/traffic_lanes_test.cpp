// Lane numbers, lane keeping along a bending road, and wrapping at the ends.
#include <gtest/gtest.h>

#include "actors/traffic_test_world.h"

namespace kestrway::test {
namespace {

class TrafficLanes : public TrafficWorldTest {
protected:
    // The lane map of the current track with every slot left empty.
    void buildLanes() {
        spawnTraffic(*game);
        for (Vehicle& vehicle : game->traffic.vehicles) vehicle.kind = kNoVehicle;
    }
    void steps(int32_t count) {
        for (int32_t i = 0; i < count; ++i) updateTraffic(*game);
    }
    Vehicle& onTile(int32_t slot, int32_t lane, int32_t column, int32_t row) {
        Vehicle& vehicle = putVehicle(slot, kCivilian1, lane, 0, 0);
        vehicle.column = column;
        vehicle.row = row;
        vehicle.offsetX = 0;
        vehicle.offsetY = 0;
        return vehicle;
    }
};

TEST_F(TrafficLanes, RoadCellsAreNumberedFromTheLeftAcrossGaps) {
    setTrackRows(*game, 100, {"..12.1..2~T.....", "................"});
    buildLanes();
    EXPECT_EQ(laneAt(*game, 2, 100), 1);
    EXPECT_EQ(laneAt(*game, 3, 100), 2);
    EXPECT_EQ(laneAt(*game, 4, 100), 0);
    EXPECT_EQ(laneAt(*game, 5, 100), 3);
    EXPECT_EQ(laneAt(*game, 8, 100), 4);
    EXPECT_EQ(laneAt(*game, 9, 100), 0);  // water is no lane
    EXPECT_EQ(laneAt(*game, 3, 101), 0);
    EXPECT_EQ(laneAt(*game, -1, 100), 0);
    EXPECT_EQ(laneAt(*game, 16, 100), 0);
    EXPECT_EQ(laneAt(*game, 2, -1), 0);
    EXPECT_EQ(laneAt(*game, 2, 400), 0);

    // Rebuilt from the new track at every stage start.
    setTrackRows(*game, 100, {"................"});
    buildLanes();
    EXPECT_EQ(laneAt(*game, 2, 100), 0);
}

TEST_F(TrafficLanes, UpLaneShiftedOneColumnIsFollowedDiagonallyOverOneTile) {
    setTrackRows(*game, 199, {".......1........", "......1.........", ".....1.........."});
    buildLanes();
    Vehicle& car = onTile(0, 1, 5, 201);
    for (int32_t step = 1; step <= 31; ++step) {
        updateTraffic(*game);
        ASSERT_EQ(car.sideStep, 1) << step;
        ASSERT_EQ(car.offsetX, step);
        ASSERT_EQ(car.offsetY, -step);
    }
    updateTraffic(*game);
    EXPECT_EQ(car.column, 6);
    EXPECT_EQ(car.row, 200);
    EXPECT_EQ(car.offsetX, 0);
    EXPECT_EQ(car.offsetY, 0);
    EXPECT_EQ(car.sideStep, 0);
    // The next tile starts the next change at once.
    updateTraffic(*game);
    EXPECT_EQ(car.sideStep, 1);
    EXPECT_EQ(car.offsetX, 1);
}

TEST_F(TrafficLanes, DownLaneGoesStraightPastAShiftOfTwoAndFollowsAShiftOfOne) {
    setTrackRows(*game, 50, {"1111............", "111..1..........", "111.1..........."});
    buildLanes();
    Vehicle& car = onTile(0, 4, 3, 50);
    steps(32);
    EXPECT_EQ(car.row, 51);
    EXPECT_EQ(car.column, 3);  // lane 4 is two columns away: straight on
    EXPECT_EQ(car.offsetX, 0);
    steps(1);
    EXPECT_EQ(car.sideStep, 1);
    EXPECT_EQ(car.offsetY, 1);
    steps(31);
    EXPECT_EQ(car.row, 52);
    EXPECT_EQ(car.column, 4);
    EXPECT_EQ(car.sideStep, 0);
}

TEST_F(TrafficLanes, LeftNeighbourWinsWhenBothNeighboursCarryTheLane) {
    buildLanes();
    // Real rows number their lanes upwards, so both sides never match; the
    // rule still decides for a hand-written lane map.
    auto setLane = [&](int32_t column, int32_t row, uint8_t lane) {
        game->traffic.laneMap[static_cast<size_t>(row * kTrackWidth + column)] = lane;
    };
    setLane(4, 99, 2);
    setLane(6, 99, 2);
    Vehicle& both = onTile(0, 2, 5, 100);
    keepLane(*game, both);
    EXPECT_EQ(both.sideStep, -1);

    setLane(4, 99, 0);
    Vehicle& rightOnly = onTile(1, 2, 5, 100);
    keepLane(*game, rightOnly);
    EXPECT_EQ(rightOnly.sideStep, 1);

    setLane(5, 99, 2);
    Vehicle& straight = onTile(2, 2, 5, 100);
    keepLane(*game, straight);
    EXPECT_EQ(straight.sideStep, 0);
}

TEST_F(TrafficLanes, WrapsToTheOtherEndInTheColumnOfItsLane) {
    setTrackRows(*game, 0, {"1111111.....1111", "1111111.....1111"});
    setTrackRows(*game, 398, {"1111111.........", ".....1111......."});
    buildLanes();

    Vehicle& up = onTile(0, 2, 1, 0);
    updateTraffic(*game);
    EXPECT_EQ(up.row, 399);
    EXPECT_EQ(up.column, 6);
    EXPECT_EQ(up.offsetY, -1);
    EXPECT_EQ(up.heading, -1);

    Vehicle& down = onTile(1, 4, 8, 399);
    updateTraffic(*game);
    EXPECT_EQ(down.row, 0);
    EXPECT_EQ(down.column, 3);
    EXPECT_EQ(down.offsetY, 1);

    // Lane 8 of row 0 lies at column 12, past the twelve columns searched.
    Vehicle& unmatched = onTile(2, 8, 9, 399);
    updateTraffic(*game);
    EXPECT_EQ(unmatched.row, 0);
    EXPECT_EQ(unmatched.column, 9);
}

}  // namespace
}  // namespace kestrway::test
