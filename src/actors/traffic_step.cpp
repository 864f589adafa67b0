// One traffic step: every vehicle in slot order keeps its lane, advances
// unless the player's car is in the way, fires if it is a tank, steps
// sideways, takes a shot hit, and restarts once the player is far enough.
#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/sound.h"

namespace kestrway {

namespace {

constexpr int32_t kRestartGap = 96;
constexpr int32_t kTankScore = 10;
constexpr int32_t kCivilianScore = -10;
constexpr int32_t kExplosionInset = 8;
constexpr int32_t kPlayerHit = 1;

// Along the track: up lanes count offsetY down to -32, down lanes up to 32;
// either way the vehicle then stands on the next row's tile.
void advance(Vehicle& vehicle) {
    const int32_t direction = vehicle.lane <= kLastUpLane ? -1 : 1;
    vehicle.offsetY += direction * vehicle.moving;
    if (vehicle.offsetY == direction * kTileSize) {
        vehicle.offsetY = 0;
        vehicle.row += direction;
    }
}

// A lane change started on a tile boundary ends on the next one, so the
// vehicle moves diagonally across exactly one tile.
void stepSideways(Vehicle& vehicle) {
    if (vehicle.moving == 0 || vehicle.sideStep == 0) return;
    vehicle.offsetX += vehicle.sideStep;
    if (vehicle.offsetX == kTileSize || vehicle.offsetX == -kTileSize) {
        vehicle.offsetX = 0;
        vehicle.column += vehicle.sideStep;
        vehicle.sideStep = 0;
    }
}

// Returns whether the vehicle was destroyed. Only the player's own shots
// change the score.
bool takeShotHit(GameState& game, Vehicle& vehicle) {
    const ScreenPoint at = vehicleScreenPosition(game, vehicle);
    const int32_t hit = shotHitsBox(game.shots, at.x, at.y, kTileSize, kTileSize);
    if (hit == 0) return false;
    if (--vehicle.hitPoints > 0) return false;
    if (hit == kPlayerHit) game.score += vehicle.kind == kTank ? kTankScore : kCivilianScore;
    startExplosion(game.explosions, at.x + kExplosionInset, at.y + kExplosionInset);
    playSound(SoundEffect::Explosion);
    vehicle.kind = kNoVehicle;
    return true;
}

}  // namespace

void updateTraffic(GameState& game) {
    for (int32_t index = 0; index < kVehicleSlots; ++index) {
        Vehicle& vehicle = game.traffic.vehicles[static_cast<size_t>(index)];
        if (vehicle.kind < 1) continue;
        if (vehicle.offsetY == 0) keepLane(game, vehicle);
        if (vehicleBlockedByPlayer(game, index) == 0) advance(vehicle);
        if (vehicle.kind == kTank) stepTankFire(game, index);
        stepSideways(vehicle);
        if (takeShotHit(game, vehicle)) continue;
        if (vehicle.moving == 0 && verticalGapToPlayer(game, index) > kRestartGap) {
            vehicle.moving = 1;
        }
    }
}

}  // namespace kestrway
