// The scrolling road: the scroll step between the track's two ends, the
// visible rows with their obstacles and firing towers, and the spanners.
#include "world/road.h"

#include <cmath>

#include "actors/shots.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/sound.h"

namespace kestrway {

namespace {

// 17 rows, so that a part row at the top and one at the bottom are covered.
constexpr int32_t kDrawnRows = 17;
constexpr int32_t kLastScrollRow = kTrackRows - 1;
constexpr int32_t kBlankSlot = 5;
constexpr int32_t kTowerShotOffset = 8;
constexpr int32_t kTowerFireRange = 800;
constexpr int32_t kTowerFireBelow = 5;
constexpr size_t kSpannerPicture = 0;

// Codes beyond the tile set draw as a blank slot and have no behaviour.
size_t tileSlot(uint8_t code) {
    return static_cast<size_t>(code < kTileSlots ? code : kBlankSlot);
}

// Speeds stay within 4 pixels a frame, so one wrap a frame is enough.
void scroll(GameState& game) {
    if (game.playerSpeed > 0) {
        if (game.scrollRow < kLastScrollRow) {
            game.scrollOffset += game.playerSpeed;
            if (game.scrollOffset >= kTileSize) {
                game.scrollOffset -= kTileSize;
                ++game.scrollRow;
            }
        } else {
            game.playerGear = 0;
            game.playerSpeed = 0;
            game.stageComplete = 1;
        }
    } else if (game.playerSpeed < 0) {
        if (game.scrollRow > kStartScrollRow) {
            game.scrollOffset += game.playerSpeed;
            if (game.scrollOffset <= -kTileSize) {
                game.scrollOffset += kTileSize;
                --game.scrollRow;
            }
        } else {
            game.playerGear = 0;
            game.playerSpeed = 0;
        }
    }
}

// Every tree or tower drawn costs one random draw whether or not it fires,
// and is recorded for the car's collision test in the next frame.
void drawRows(GameState& game) {
    size_t obstacleCount = 0;
    for (int32_t v = 0; v < kDrawnRows; ++v) {
        const int32_t row = kTrackRows - game.scrollRow + v - 1;
        if (row < 0 || row >= kTrackRows) continue;  // only a scroll outside its limits
        const int32_t y = kTileSize * v + game.scrollOffset - kTileSize;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            const uint8_t code = game.track[static_cast<size_t>(row * kTrackWidth + column)];
            const int32_t x = kTileSize * column;
            blit(static_cast<float>(x), static_cast<float>(y), game.tileSet[tileSlot(code)].get());
            if (code != kTree && code != kTower) continue;
            game.obstacles[obstacleCount++] = ScreenPoint{x, y};
            const double roll = randomUnit();
            if (code == kTower && std::floor(roll * kTowerFireRange) < kTowerFireBelow) {
                fireSideShot(game.shots, x + kTowerShotOffset, y + kTowerShotOffset, +1,
                             kEnemyShot);
                fireSideShot(game.shots, x + kTowerShotOffset, y + kTowerShotOffset, -1,
                             kEnemyShot);
                playSound(SoundEffect::TowerRound);
            }
        }
    }
    game.obstacles[obstacleCount] = ScreenPoint{-1, -1};
}

void drawSpanners(const GameState& game) {
    const int32_t travelled = kTileSize * game.scrollRow + game.scrollOffset;
    for (const Spanner& spanner : game.spanners) {
        if (spanner.x == -1) continue;
        blitTransparent(static_cast<float>(spanner.x), static_cast<float>(travelled - spanner.y),
                        game.pickupImages[kSpannerPicture].get());
    }
}

}  // namespace

void resetScroll(GameState& game) {
    game.scrollRow = kStartScrollRow;
    game.scrollOffset = 0;
}

void scrollAndDrawRoad(GameState& game) {
    scroll(game);
    // One lock for the whole road instead of one per tile; the road covers
    // every line of the screen.
    lockScreen();
    drawRows(game);
    drawSpanners(game);
    unlockScreen(0, kScreenHeight - 1);
}

}  // namespace kestrway
