// The road world's records: tile codes, map chunks, spanners and obstacles.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"

namespace kestrway {

// One byte per track cell; also the TileSet slot that draws it.
enum TileCode : uint8_t {
    kGrass = 0,
    kRoad1 = 1,
    kRoad2 = 2,
    kWater = 3,
    kTree = 4,
    kCorner1 = 6,  // road to the right and below
    kCorner2 = 7,  // road to the left and above
    kCorner3 = 8,  // road to the right and above
    kCorner4 = 9,  // road to the left and below
    kTower = 10,
    kStartLine = 15,
};

constexpr int32_t kTileSize = 32;
constexpr int32_t kTileSlots = 21;
constexpr int32_t kPickupSlots = 6;
constexpr uint32_t kBlankColour = 0xFF64FF64;

constexpr int32_t kTrackWidth = 16;
constexpr int32_t kTrackRows = 400;
constexpr int32_t kTrackCells = kTrackWidth * kTrackRows;

constexpr int32_t kChunkRows = 50;
constexpr int32_t kChunkCells = kTrackWidth * kChunkRows;
constexpr int32_t kChunkSlots = 4;

constexpr int32_t kSpannerCount = 6;
// Every cell of the 17 x 16 drawn rows can be a tree or tower, plus the end marker.
constexpr int32_t kObstacleSlots = 17 * kTrackWidth + 1;

using MapChunk = std::array<uint8_t, kChunkCells>;
using TileSet = std::array<ImagePtr, kTileSlots>;

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// A spanner's place on the track in pixels (x = -1 once collected).
struct Spanner {
    int32_t x = 0;
    int32_t y = 0;
};

}  // namespace kestrway
