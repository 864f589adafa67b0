// The bytes two runs are compared by.
#include "support/game_fingerprint.h"

#include <algorithm>

#include "platform/headless/headless.h"
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

RunPrints printRun(GameHarness& harness, const std::function<void(GameState&)>& onPass, double from,
                   bool withPage) {
    RunPrints prints;
    prints.exitCode = harness.run([&](GameState& game) {
        if (onPass) onPass(game);
        if (headless::virtualSeconds() < from - 1e-9) return;
        // FNV-1a; the page a pixel at a time, which is fast enough for
        // thousands of passes.
        uint64_t hash = 1469598103934665603ull;
        for (const uint8_t byte : fingerprint(game, false)) hash = (hash ^ byte) * 1099511628211ull;
        const uint32_t* page = screenDevice().work;
        for (int32_t i = 0; withPage && i < kScreenWidth * kScreenHeight; ++i) {
            hash = (hash ^ page[i]) * 1099511628211ull;
        }
        prints.passes.push_back(hash);
    });
    // The screen is closed by now: the record alone.
    prints.end = fingerprint(harness.game(), false);
    return prints;
}

int64_t firstDifference(const RunPrints& a, const RunPrints& b) {
    const size_t common = std::min(a.passes.size(), b.passes.size());
    for (size_t i = 0; i < common; ++i) {
        if (a.passes[i] != b.passes[i]) return static_cast<int64_t>(i);
    }
    const bool same = a.passes.size() == b.passes.size() && a.end == b.end;
    return same ? -1 : static_cast<int64_t>(common);
}

}  // namespace kestrway
