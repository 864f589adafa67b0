// The player's car: pictures, stage-start values, the per-frame control
// step, drawing, and its tests against the road world.
#pragma once

#include "state/game_state.h"

namespace kestrway {

constexpr int32_t kPlayerStartX = 192;
constexpr int32_t kPlayerStartY = 320;
constexpr int32_t kStageBonus = 200;

void loadPlayerImages(GameState& game);
void resetPlayer(GameState& game);
void updatePlayer(GameState& game);
void drawPlayer(GameState& game);
int32_t speedForGear(int32_t gear);
// The track code under a screen point, or -1 off the track.
int32_t tileAtScreen(const GameState& game, int32_t x, int32_t y);
int32_t collectSpannerAt(GameState& game, int32_t x, int32_t y);
bool hitsObstacle(const GameState& game, int32_t x, int32_t y);
int32_t hitsVehicle(GameState& game, int32_t x, int32_t y);
// The collision step's vehicle test: hitsVehicle's test and stop (of the
// first vehicle touching), and whether any vehicle touching is a new
// contact. Every vehicle's touchingPlayer records whether it touches the car
// here, so a contact that lasts from one frame's test to the next counts
// once; another vehicle, or the same one after the contact ended, counts
// again (several new ones in one frame count as one, as before).
enum class VehicleContact { kNone, kNew, kContinued };
VehicleContact vehicleContact(GameState& game, int32_t x, int32_t y);

}  // namespace kestrway
