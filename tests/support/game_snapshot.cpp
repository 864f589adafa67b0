// A game's moving state as bytes.
#include "support/game_snapshot.h"

namespace kestrway {
namespace {

template <typename T>
void append(Snapshot& to, const T& value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
    to.insert(to.end(), bytes, bytes + sizeof(value));
}

}  // namespace

Snapshot snapshotOf(const GameState& game) {
    Snapshot bytes;
    for (const int32_t value :
         {game.stageNumber, game.score, game.bonus, game.stageComplete, game.damageLevel,
          game.playerX, game.playerY, game.playerGear, game.playerSpeed, game.playerVehicle,
          game.scrollRow, game.scrollOffset, game.frameCounter, game.trafficPhase,
          game.controls.upKeyLatch, game.controls.downKeyLatch, game.controls.fireCooldown}) {
        append(bytes, value);
    }
    append(bytes, game.track);
    append(bytes, game.spanners);
    append(bytes, game.obstacles);
    append(bytes, game.traffic.vehicles);
    append(bytes, game.shots.shots);
    append(bytes, game.explosions.explosions);
    return bytes;
}

}  // namespace kestrway
