// The player's per-frame control step: gears, collisions, water, spanners,
// steering and firing, in that order.
#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/keyboard.h"
#include "platform/sound.h"
#include "player/player.h"

namespace kestrway {

namespace {

constexpr int32_t kTopGear = 3;
constexpr int32_t kLowestGear = -2;
constexpr int32_t kBoatTopGear = 2;
constexpr int32_t kSteerStep = 2;
constexpr int32_t kFireReload = 10;
constexpr int32_t kSpannerScore = 20;
constexpr int32_t kCarVehicle = 0;
constexpr int32_t kBoatVehicle = 1;
// The tile under the car's middle decides water and spanners.
constexpr int32_t kCarCentre = 16;

bool keyDown(int32_t scanCode) {
    return isKeyDown(scanCode) != 0;
}

// Holding a key changes the gear once; it must be released to change again.
void shiftGear(GameState& game, int32_t scanCode, int32_t& latch, int32_t step, int32_t limit) {
    if (!keyDown(scanCode)) {
        latch = 0;
        return;
    }
    if (latch != 0) return;
    if (game.playerGear != limit) game.playerGear += step;
    latch = 1;
}

// Both contact tests run whatever the key: the vehicle test stops any
// vehicle beside the car even when the player is not steering.
void steer(GameState& game, int32_t scanCode, int32_t step) {
    const bool wanted = keyDown(scanCode);
    const int32_t testY = game.playerY - game.playerSpeed;
    const bool obstacle = hitsObstacle(game, game.playerX + step, testY);
    const bool vehicle = hitsVehicle(game, game.playerX + step, testY) != 0;
    if (wanted && !obstacle && !vehicle) game.playerX += step;
}

void crash(GameState& game) {
    game.playerGear = 0;
    ++game.damageLevel;
    playSound(SoundEffect::Hit);
}

// A vehicle stops the car whenever they touch, but damages it once per
// contact: while the car stays in contact with the same vehicle from one
// frame to the next, no further point is lost.
void meetVehicle(GameState& game, int32_t y) {
    const VehicleContact contact = vehicleContact(game, game.playerX, y);
    if (contact == VehicleContact::kNew) crash(game);
    if (contact == VehicleContact::kContinued) game.playerGear = 0;
}

}  // namespace

void updatePlayer(GameState& game) {
    PlayerControls& controls = game.controls;
    shiftGear(game, kScanUp, controls.upKeyLatch, 1, kTopGear);
    shiftGear(game, kScanDown, controls.downKeyLatch, -1, kLowestGear);
    game.playerSpeed = speedForGear(game.playerGear);

    // Tested where the car will be against the road after this frame's
    // scroll; both can hit in the same frame, with the same speed.
    const int32_t aheadY = game.playerY - game.playerSpeed;
    if (hitsObstacle(game, game.playerX, aheadY)) crash(game);
    meetVehicle(game, aheadY);

    const int32_t centreX = game.playerX + kCarCentre;
    const int32_t centreY = game.playerY + kCarCentre;
    const int32_t vehicleBefore = game.playerVehicle;
    if (tileAtScreen(game, centreX, centreY) == kWater) {
        if (game.playerGear > kBoatTopGear) game.playerGear = kBoatTopGear;
        game.playerVehicle = kBoatVehicle;
    } else {
        game.playerVehicle = kCarVehicle;
    }
    if (game.playerVehicle != vehicleBefore) {
        playSound(game.playerVehicle == kBoatVehicle ? SoundEffect::WaterIn
                                                     : SoundEffect::WaterOut);
    }
    if (collectSpannerAt(game, centreX, centreY) == 1) {
        if (game.damageLevel > 0) {
            --game.damageLevel;
            playSound(SoundEffect::Spanner);
        } else {
            game.score += kSpannerScore;
            playSound(SoundEffect::Bonus);
        }
    }
    game.playerSpeed = speedForGear(game.playerGear);

    if (game.playerSpeed != 0) {
        steer(game, kScanRight, kSteerStep);
        steer(game, kScanLeft, -kSteerStep);
    }

    if (controls.fireCooldown != 0) {
        --controls.fireCooldown;
    } else if (keyDown(kScanSpace)) {
        // The reload starts even when the shot table is full and nothing leaves.
        controls.fireCooldown = kFireReload;
        fireShot(game.shots, game.playerX, game.playerY, -1, 0, kPlayerShot);
        playSound(SoundEffect::Shot);
    }
}

}  // namespace kestrway
