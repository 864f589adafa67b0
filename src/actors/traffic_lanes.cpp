// Lane numbers and lane keeping: at each tile boundary a vehicle looks one
// row ahead for its lane, or wraps to the other end of the track.
#include "actors/traffic.h"

namespace kestrway {

namespace {

// Wrapping looks for the lane only in the left three quarters of the row.
constexpr int32_t kWrapSearchColumns = 12;

void wrapToRow(const GameState& game, Vehicle& vehicle, int32_t row) {
    vehicle.row = row;
    for (int32_t column = 0; column < kWrapSearchColumns; ++column) {
        if (laneAt(game, column, row) == vehicle.lane) {
            vehicle.column = column;
            return;
        }
    }
}

}  // namespace

int32_t laneAt(const GameState& game, int32_t column, int32_t row) {
    if (column < 0 || column >= game.trackWidth || row < 0 || row >= game.trackRows) return 0;
    return game.traffic.laneMap[static_cast<size_t>(row * game.trackWidth + column)];
}

void keepLane(const GameState& game, Vehicle& vehicle) {
    const bool drivingUp = vehicle.lane <= kLastUpLane;
    if (drivingUp && vehicle.row <= 0) {
        wrapToRow(game, vehicle, game.trackRows - 1);
        return;
    }
    if (!drivingUp && vehicle.row >= game.trackRows - 1) {
        wrapToRow(game, vehicle, 0);
        return;
    }
    const int32_t ahead = vehicle.row + (drivingUp ? -1 : 1);
    if (laneAt(game, vehicle.column, ahead) == vehicle.lane) return;
    // Tested right then left, so the left neighbour wins when both match.
    if (laneAt(game, vehicle.column + 1, ahead) == vehicle.lane) vehicle.sideStep = 1;
    if (laneAt(game, vehicle.column - 1, ahead) == vehicle.lane) vehicle.sideStep = -1;
}

}  // namespace kestrway
