// Civilian cars and tanks: placed on the road cells at each stage start,
// driven in their lanes every second frame, shot at, and firing rockets.
#pragma once

#include "state/game_state.h"

namespace kestrway {

// Lanes 1 to 3 drive up the track (towards row 0), higher lanes drive down.
constexpr int32_t kLastUpLane = 3;
// Contact boxes, the player's car's and a vehicle's alike, start this far in
// from the picture's left edge.
constexpr int32_t kContactInset = 5;

void loadVehiclePictures(Traffic& traffic);
void spawnTraffic(GameState& game);
void updateTraffic(GameState& game);
void drawTraffic(GameState& game);
int32_t laneAt(const GameState& game, int32_t column, int32_t row);
int32_t tankAim(const GameState& game, int32_t index);
int32_t verticalGapToPlayer(const GameState& game, int32_t index);
int32_t vehicleBlockedByPlayer(GameState& game, int32_t index);
// The top-left screen pixel of a vehicle's picture.
ScreenPoint vehicleScreenPosition(const GameState& game, const Vehicle& vehicle);

// Parts of the traffic step, used by updateTraffic.
inline bool isVehicleSlot(int32_t index) {
    return index >= 0 && index < kVehicleSlots;
}
// At a tile boundary: wrap at the track's end, or start a lane change when
// the lane moves to a neighbouring column in the row ahead.
void keepLane(const GameState& game, Vehicle& vehicle);
// A tank's reload countdown, or its rocket when the player is lined up.
void stepTankFire(GameState& game, int32_t index);
// Whether two 22 x 32 contact boxes, given by their left and top edges,
// overlap; boxes that share only an edge touch.
bool contactBoxesTouch(int32_t leftA, int32_t topA, int32_t leftB, int32_t topB);

}  // namespace kestrway
