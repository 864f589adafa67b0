// Stage start for the traffic: an emptied table, the lane numbers of every
// road cell, and the random placement of up to 100 cars and tanks.
#include <cmath>

#include "actors/traffic.h"
#include "platform/random.h"

namespace kestrway {

namespace {

constexpr int32_t kPlacementChanceIn100 = 4;
constexpr int32_t kCivilianShareIn10 = 6;
// The last rows of the track stay empty so no vehicle is in the first view.
constexpr int32_t kEmptyRowsAtStart = 19;

bool isRoadCode(uint8_t code) {
    return code == kRoad1 || code == kRoad2;
}

// A choice among n from one draw of the game's generator.
int32_t drawBelow(int32_t n) {
    return static_cast<int32_t>(std::floor(randomUnit() * n));
}

// Each road cell gets its ordinal among the road cells of its row, counted
// from column 0; a gap does not restart the count.
void buildLaneMap(GameState& game) {
    for (int32_t row = 0; row < game.trackRows; ++row) {
        uint8_t lane = 1;
        for (int32_t column = 0; column < game.trackWidth; ++column) {
            const int32_t cell = row * game.trackWidth + column;
            if (isRoadCode(game.track[static_cast<size_t>(cell)])) {
                game.traffic.laneMap[static_cast<size_t>(cell)] = lane++;
            } else {
                game.traffic.laneMap[static_cast<size_t>(cell)] = 0;
            }
        }
    }
}

void placeVehicle(GameState& game, Vehicle& vehicle, int32_t column, int32_t row, int32_t kind) {
    vehicle.kind = kind;
    vehicle.hitPoints = 1;
    vehicle.column = column;
    vehicle.row = row;
    vehicle.lane = laneAt(game, column, row);
    vehicle.heading = vehicle.lane <= kLastUpLane ? -1 : 1;
}

// One draw per road cell visited and one more per vehicle placed, in scan
// order from the far end; the scan stops at once when the table is full.
void placeVehicles(GameState& game) {
    int32_t count = 0;
    for (int32_t row = 0; row <= game.trackRows - 1 - kEmptyRowsAtStart; ++row) {
        for (int32_t column = 0; column < game.trackWidth; ++column) {
            if (laneAt(game, column, row) == 0) continue;
            if (drawBelow(100) >= kPlacementChanceIn100) continue;
            // A civilian car's kind is the road code it stands on: 1 or 2.
            const int32_t code = game.track[static_cast<size_t>(row * game.trackWidth + column)];
            const int32_t kind = drawBelow(10) < kCivilianShareIn10 ? code : int32_t{kTank};
            placeVehicle(game, game.traffic.vehicles[static_cast<size_t>(count)], column, row,
                         kind);
            if (++count == kMaxPlacedVehicles) return;
        }
    }
}

}  // namespace

void spawnTraffic(GameState& game) {
    // fireDelay is left as it was: a tank placed in a reused slot inherits it.
    for (Vehicle& vehicle : game.traffic.vehicles) {
        vehicle.kind = kNoVehicle;
        vehicle.offsetX = 0;
        vehicle.offsetY = 0;
        vehicle.sideStep = 0;
        vehicle.heading = 0;
        vehicle.moving = 1;
        vehicle.touchingPlayer = 0;
    }
    buildLaneMap(game);
    placeVehicles(game);
}

}  // namespace kestrway
