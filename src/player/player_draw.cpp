// Drawing the player's car or boat, and the enemy shots that reach it.
#include "actors/explosions.h"
#include "actors/shots.h"
#include "platform/sound.h"
#include "player/player.h"

namespace kestrway {

namespace {

constexpr int32_t kExplosionInset = 8;

}  // namespace

void drawPlayer(GameState& game) {
    const Image* picture = game.playerImages[static_cast<size_t>(game.playerVehicle)].get();
    blitTransparent(static_cast<float>(game.playerX), static_cast<float>(game.playerY), picture);
    if (enemyShotHitsBox(game.shots, game.playerX, game.playerY, kTileSize, kTileSize) == 1) {
        startExplosion(game.explosions, game.playerX + kExplosionInset,
                       game.playerY + kExplosionInset);
        ++game.damageLevel;
        playSound(SoundEffect::Hit);
    }
}

}  // namespace kestrway
