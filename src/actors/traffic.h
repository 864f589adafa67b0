// Civilian cars and tanks: placed on the road cells at each stage start,
// driven in their lanes every second frame, shot at, and firing rockets.
#pragma once

#include "state/game_state.h"

namespace kestrway {

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

}  // namespace kestrway
