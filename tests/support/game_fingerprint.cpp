// The bytes two runs are compared by.
#include "support/game_fingerprint.h"

#include "platform/random.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

template <typename T>
void appendBytes(std::vector<uint8_t>& out, const T& value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

}  // namespace

std::vector<uint8_t> fingerprint(const GameState& game, bool withPage) {
    std::vector<uint8_t> out;
    for (const int32_t value : {game.stageNumber,
                                game.score,
                                game.bonus,
                                game.highScore,
                                game.previousScore,
                                game.stageComplete,
                                game.damageLevel,
                                game.playerX,
                                game.playerY,
                                game.playerGear,
                                game.playerSpeed,
                                game.playerVehicle,
                                game.controls.upKeyLatch,
                                game.controls.downKeyLatch,
                                game.controls.fireCooldown,
                                game.trackWidth,
                                game.trackRows,
                                game.scrollRow,
                                game.scrollOffset,
                                game.frameCounter,
                                game.trafficPhase,
                                static_cast<int32_t>(game.tileSetKind)}) {
        appendBytes(out, value);
    }
    appendBytes(out, game.track);
    appendBytes(out, game.spanners);
    for (const ScreenPoint& point : game.obstacles) {
        appendBytes(out, point);
        if (point.x == -1 && point.y == -1) break;
    }
    for (const Vehicle& vehicle : game.traffic.vehicles) {
        if (vehicle.kind != kNoVehicle) appendBytes(out, vehicle);
        appendBytes(out, vehicle.fireDelay);
    }
    appendBytes(out, game.traffic.laneMap);
    for (const Shot& shot : game.shots.shots) {
        if (shot.active != 0) appendBytes(out, shot);
    }
    for (const Explosion& explosion : game.explosions.explosions) {
        if (explosion.active != 0) appendBytes(out, explosion);
    }
    appendBytes(out, randomState());
    if (!withPage) return out;
    const uint32_t* page = screenDevice().work;
    out.insert(out.end(), reinterpret_cast<const uint8_t*>(page),
               reinterpret_cast<const uint8_t*>(page + kScreenWidth * kScreenHeight));
    return out;
}

}  // namespace kestrway
