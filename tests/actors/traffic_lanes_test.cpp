// Traffic on the road's lanes: placing vehicles at a stage start with their
// random draws, lane changes, the left neighbour's priority, and wrapping.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "actors/traffic.h"
#include "platform/random.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

std::array<int32_t, 11> fields(const Vehicle& v) {
    return {v.kind,    v.column, v.row,       v.offsetX, v.offsetY,  v.sideStep,
            v.heading, v.lane,   v.fireDelay, v.moving,  v.hitPoints};
}

// Screen y of a track row's top at the start view.
int32_t rowTop(int32_t row) {
    return 32 * (row - 384);
}

using TrafficLanes = WorldTest;

TEST_F(TrafficLanes, OneDrawPerRoadCellAndOneMorePerVehicleInScanOrder) {
    // A full road stops at the hundredth vehicle; a narrow one shows that the
    // last 19 rows draw nothing and that lanes count road cells across a gap.
    // A reused slot keeps only its reload.
    for (const auto& [seed, row] :
         {std::pair{11.0, "1111111111111111"}, {3.0, "...11.2...~T...."}}) {
        fillRows(*game, 0, kTrackRows - 1, row);
        for (int32_t slot = 0; slot < kVehicleSlots; ++slot) {
            game->traffic.vehicles[static_cast<size_t>(slot)] = {kTank, 3, 7,         7, 7, 1,
                                                                 1,     5, slot % 21, 0, 1};
        }
        seedRandom(seed);
        spawnTraffic(*game);
        GameRandom reference;
        reference.seed(seed);
        std::vector<Vehicle> placed;
        for (int32_t r = 0; r < kTrackRows - 19 && placed.size() < 100; ++r) {
            int32_t lane = 0;
            for (int32_t column = 0; column < kTrackWidth && placed.size() < 100; ++column) {
                const char code = row[column];
                if (code != '1' && code != '2') continue;
                ++lane;
                if (reference.next() * 100 >= 4) continue;
                const int32_t kind = reference.next() * 10 < 6 ? code - '0' : kTank;
                const int32_t fireDelay = static_cast<int32_t>(placed.size()) % 21;
                placed.push_back(
                    {kind, column, r, 0, 0, 0, lane <= 3 ? -1 : 1, lane, fireDelay, 1, 1});
            }
        }
        EXPECT_EQ(randomUnit(), reference.next()) << seed;
        for (size_t slot = 0; slot < kVehicleSlots; ++slot) {
            const Vehicle empty{kNoVehicle, 3, 7, 0, 0, 0, 0, 5, static_cast<int32_t>(slot % 21),
                                1,          1};
            ASSERT_EQ(fields(game->traffic.vehicles[slot]),
                      fields(slot < placed.size() ? placed[slot] : empty))
                << seed << " slot " << slot;
        }
    }
}

TEST_F(TrafficLanes, ALaneMovingOneColumnIsFollowedDiagonallyAcrossOneTile) {
    // Lane 1 moves a column right every row; lane 4 of row 51 is two columns away.
    setTrackRows(*game, 199, {".......1........", "......1.........", ".....1.........."});
    setTrackRows(*game, 50, {"1111............", "111..1.........."});
    spawnTraffic(*game);
    for (Vehicle& vehicle : game->traffic.vehicles) vehicle.kind = kNoVehicle;
    const Vehicle& up = putVehicle(0, kCivilian1, 1, 5 * 32, rowTop(201));
    const Vehicle& down = putVehicle(1, kCivilian1, 4, 3 * 32, rowTop(50));
    for (int32_t step = 0; step < 16; ++step) updateTraffic(*game);
    EXPECT_EQ((std::array{up.sideStep, up.offsetX, up.offsetY}), (std::array{1, 16, -16}));
    for (int32_t step = 0; step < 16; ++step) updateTraffic(*game);
    EXPECT_EQ((std::array{up.column, up.row, up.offsetX, up.offsetY, up.sideStep}),
              (std::array{6, 200, 0, 0, 0}));
    EXPECT_EQ((std::array{down.column, down.row, down.offsetX, down.sideStep}),
              (std::array{3, 51, 0, 0}));
    updateTraffic(*game);  // the next tile starts the next change at once
    EXPECT_EQ(up.sideStep, 1);
}

TEST_F(TrafficLanes, TheLeftNeighbourWinsWhenBothCarryTheLane) {
    // Real rows number their lanes from the left, so both sides never match;
    // the rule still decides for a hand-written lane map.
    game->traffic.laneMap[99 * 16 + 4] = game->traffic.laneMap[99 * 16 + 6] = 2;
    Vehicle& car = putVehicle(0, kCivilian1, 2, 5 * 32, rowTop(100));
    keepLane(*game, car);
    EXPECT_EQ(car.sideStep, -1);
    for (const auto& [column, row] : {std::pair{-1, 100}, {16, 100}, {2, -1}, {2, 400}}) {
        EXPECT_EQ(laneAt(*game, column, row), 0);
    }
}

TEST_F(TrafficLanes, AtTheTracksEndAVehicleWrapsToItsLanesColumnAtTheOtherEnd) {
    setTrackRows(*game, 0, {"1111111.....1111"});
    setTrackRows(*game, 399, {".....1111......."});
    spawnTraffic(*game);
    for (Vehicle& vehicle : game->traffic.vehicles) vehicle.kind = kNoVehicle;
    const Vehicle& up = putVehicle(0, kCivilian1, 2, 1 * 32, rowTop(0));
    const Vehicle& down = putVehicle(1, kCivilian1, 4, 8 * 32, rowTop(399));
    // Lane 8 of row 0 lies past the twelve columns searched: the column stays.
    const Vehicle& unmatched = putVehicle(2, kCivilian1, 8, 9 * 32, rowTop(399));
    updateTraffic(*game);
    EXPECT_EQ((std::array{up.row, up.column, up.offsetY}), (std::array{399, 6, -1}));
    EXPECT_EQ((std::array{down.row, down.column, down.offsetY}), (std::array{0, 3, 1}));
    EXPECT_EQ((std::array{unmatched.row, unmatched.column}), (std::array{0, 9}));
}

}  // namespace
}  // namespace kestrway::test
