// Reading the four map chunks: 8-bit bitmap files whose pixel values are
// tile codes, stored bottom row first.
#include <array>
#include <cstdint>
#include <string>

#include "platform/files.h"
#include "world/world_images.h"

namespace kestrway {

namespace {

constexpr int32_t kMapFileNumber = 1;
constexpr size_t kHeaderBytes = 54;
constexpr size_t kPixelOffsetField = 10;
constexpr const char* kChunkNames[] = {"01", "02", "03", "04"};

uint32_t littleEndian32(const uint8_t* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
           uint32_t{bytes[3]} << 24;
}

// Only the pixel offset of the header is used; nothing else is checked. A
// file whose pixel data ends early gives code 0 for the rest, since the file
// read fills what it could not read with zeros.
bool readChunkFile(const std::string& fileName, MapChunk& chunk) {
    if (openFileRead(fileName, kMapFileNumber) != ErrorCode::kOk) return false;
    std::array<uint8_t, kHeaderBytes> header{};
    readFileBytes(kMapFileNumber, 1, header.data(), header.size());
    const int64_t pixelOffset = littleEndian32(header.data() + kPixelOffsetField);
    std::array<uint8_t, kChunkCells> stored{};
    readFileBytes(kMapFileNumber, pixelOffset + 1, stored.data(), stored.size());
    closeFile(kMapFileNumber);
    for (int32_t row = 0; row < kChunkRows; ++row) {
        const int32_t storedRow = kChunkRows - 1 - row;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            chunk[static_cast<size_t>(row * kTrackWidth + column)] =
                stored[static_cast<size_t>(storedRow * kTrackWidth + column)];
        }
    }
    return true;
}

}  // namespace

void loadMapChunks(GameState& game) {
    game.trackWidth = kTrackWidth;
    game.trackRows = kTrackRows;
    // Files that open fill the slots from 0 upwards; a missing one leaves no gap.
    size_t loaded = 0;
    for (const char* name : kChunkNames) {
        MapChunk chunk{};
        if (readChunkFile(std::string("map\\") + name + ".bmp", chunk)) {
            game.mapChunks[loaded++] = chunk;
        }
    }
}

}  // namespace kestrway
