// Tanks: aiming along the road at the player's car and firing rockets with
// a reload of 20 traffic steps.
#include <cstdlib>

#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/sound.h"

namespace kestrway {

namespace {

constexpr int32_t kTankReloadSteps = 20;
constexpr int32_t kAimAcross = 16;
constexpr int32_t kAimAlong = 200;
constexpr int32_t kPictureCentre = 16;
constexpr int32_t kRocketDownStart = 26;
constexpr int32_t kRocketUpStart = 14;
constexpr int32_t kRocketDownPicture = 2;
constexpr int32_t kRocketUpPicture = 1;

}  // namespace

int32_t tankAim(const GameState& game, int32_t index) {
    if (!isVehicleSlot(index)) return 0;
    const ScreenPoint tank =
        vehicleScreenPosition(game, game.traffic.vehicles[static_cast<size_t>(index)]);
    const int32_t across = (tank.x + kPictureCentre) - (game.playerX + kPictureCentre);
    const int32_t along = game.playerY - tank.y;
    if (std::abs(across) >= kAimAcross || std::abs(along) >= kAimAlong) return 0;
    if (along > 0) return 1;
    if (along < 0) return -1;
    return 0;
}

void stepTankFire(GameState& game, int32_t index) {
    Vehicle& tank = game.traffic.vehicles[static_cast<size_t>(index)];
    if (tank.fireDelay != 0) {
        --tank.fireDelay;
        return;
    }
    const int32_t aim = tankAim(game, index);
    if (aim == 0) return;
    tank.fireDelay = kTankReloadSteps;
    const ScreenPoint at = vehicleScreenPosition(game, tank);
    playSound(SoundEffect::Rocket);
    if (aim > 0) {
        fireShot(game.shots, at.x, at.y + kRocketDownStart, 1, kRocketDownPicture, kEnemyShot);
    } else {
        fireShot(game.shots, at.x, at.y - kRocketUpStart, -1, kRocketUpPicture, kEnemyShot);
    }
}

}  // namespace kestrway
