// A stage's set-up and the frame loop's one pass, in the game's fixed order.
#include "game/frame_loop.h"

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/keyboard.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/timing.h"
#include "player/player.h"
#include "ui/demo_line.h"
#include "ui/hud.h"
#include "world/road.h"
#include "world/track.h"
#include "world/world_images.h"

namespace kestrway {

namespace {

constexpr int32_t kFramesPerBonusTick = 30;
constexpr int32_t kFrameSleepMs = 10;
constexpr int32_t kCriticalDamage = 4;
constexpr int32_t kDestroyingDamage = 5;
constexpr uint32_t kDangerRed = 0xFFFF0000;
constexpr int32_t kBoatVehicle = 1;

void destroyPlayer(GameState& game) {
    const int32_t x = game.playerX;
    const int32_t y = game.playerY;
    startExplosion(game.explosions, x, y);
    startExplosion(game.explosions, x + 16, y);
    startExplosion(game.explosions, x, y + 16);
    startExplosion(game.explosions, x + 16, y + 16);
    startExplosion(game.explosions, x + 8, y + 8);
    game.playerSpeed = 0;
    game.playerGear = 0;
    playSound(SoundEffect::CarExplosion);
}

}  // namespace

void prepareStage(GameState& game) {
    buildTrack(game);
    chooseTileSet(game);
    spawnTraffic(game);
    clearExplosions(game.explosions);
    clearShots(game.shots);
    resetPlayer(game);
    resetScroll(game);
}

void drawFrame(GameState& game) {
    lockScreen();
    clearScreen();
    scrollAndDrawRoad(game);
    drawAndMoveShots(game.shots, game.playerSpeed);
    drawPlayer(game);
    drawTraffic(game);
    drawExplosions(game.explosions, game.playerSpeed);
    drawHud(game);
    drawDemoLine();
    unlockScreen(-1, -1);
}

void updateAndDrawFrame(GameState& game, StageRun& run) {
    updatePlayer(game);
    if (game.trafficPhase == 1) updateTraffic(game);
    if (++game.frameCounter == kFramesPerBonusTick) {
        game.frameCounter = 0;
        if (game.bonus > 0) --game.bonus;
    }

    // The danger line goes on before the frame's outermost unlock, so the
    // presenter never copies a frame at damage 4 without it; the next
    // frame's clear removes it.
    lockScreen();
    drawFrame(game);
    if (game.damageLevel == kCriticalDamage) {
        setColors(kDangerRed, 0, 2);
        drawText(140, 4, "* Danger : Damage Critical! *");
    }
    unlockScreen(-1, -1);

    if (game.damageLevel >= kDestroyingDamage) {
        destroyPlayer(game);
        run.endReason = kPlayerDestroyed;
    }
    // Told every frame; the sound side passes on only the changes.
    setEngineSound(game.playerVehicle == kBoatVehicle ? EngineSound::Boat : EngineSound::Road,
                   game.playerSpeed);
    setAlarm(game.damageLevel == kCriticalDamage);
}

int32_t playFrame(GameState& game, StageRun& run) {
    updateAndDrawFrame(game, run);
    sleepMs(kFrameSleepMs);

    // Later tests overwrite earlier ones: finish beats close beats Escape
    // beats destruction.
    if (isKeyDown(kScanEscape) != 0) {
        run.escapeWasDown = 1;
    } else if (run.escapeWasDown == 1) {
        run.endReason = kEscapeReleased;
    }
    if (readKey() == CloseKey) run.endReason = kWindowClosed;
    if (game.stageComplete == 1) run.endReason = kStageCompleted;
    game.trafficPhase = 1 - game.trafficPhase;
    return run.endReason;
}

}  // namespace kestrway
