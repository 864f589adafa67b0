// GameState: the one record of game-wide values and the world's tables,
// shared by every layer of the game. It holds data only; the procedures that
// change it live in their layers.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"
#include "state/actor_tables.h"
#include "state/world_tables.h"

namespace kestrway {

constexpr int32_t kPlayerImageSlots = 7;

// Controls that live for the whole run: never reset by a stage or a game.
struct PlayerControls {
    int32_t upKeyLatch = 0;
    int32_t downKeyLatch = 0;
    int32_t fireCooldown = 0;
};

// The pictures a stage's tiles came from, as chooseTileSet drew them.
enum class TileSetKind : int32_t { kNone = 0, kForest = 1, kDesert = 2 };

struct GameState {
    int32_t stageNumber = 1;
    int32_t score = 0;
    int32_t bonus = 0;
    int32_t highScore = 0;
    int32_t previousScore = 0;
    int32_t stageComplete = 0;
    int32_t damageLevel = 0;

    int32_t playerX = 0;
    int32_t playerY = 0;
    int32_t playerGear = 0;
    int32_t playerSpeed = 0;
    int32_t playerVehicle = 0;
    PlayerControls controls;

    std::array<uint8_t, kTrackCells> track{};
    int32_t trackWidth = 0;
    int32_t trackRows = 0;
    int32_t scrollRow = 0;
    int32_t scrollOffset = 0;

    // The frame loop's counters, kept across stages and games.
    int32_t frameCounter = 0;
    int32_t trafficPhase = 0;

    ImagePtr fontImage;
    ImagePtr titleTileImage;
    ImagePtr logoImage;

    std::array<MapChunk, kChunkSlots> mapChunks{};
    TileSet tileSet;
    // Which pictures the current stage chose (kNone before the first stage).
    // Read-only for the game: written only by chooseTileSet.
    TileSetKind tileSetKind = TileSetKind::kNone;
    std::array<ImagePtr, kPickupSlots> pickupImages;
    std::array<Spanner, kSpannerCount> spanners{};
    std::array<ScreenPoint, kObstacleSlots> obstacles{};
    std::array<ImagePtr, kPlayerImageSlots> playerImages;

    Traffic traffic;
    Shots shots;
    Explosions explosions;
};

}  // namespace kestrway
