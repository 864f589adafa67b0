// Reading the map chunk files: slot order with missing files, stored row
// order, only the pixel offset used, and short pixel data.
#include <gtest/gtest.h>

#include "support/test_track.h"
#include "world/world_images.h"

namespace kestrway::test {
namespace {

class MapChunksTest : public WorldTest {
protected:
    MapChunk filled(uint8_t code) {
        MapChunk chunk;
        chunk.fill(code);
        return chunk;
    }
    TempDataFolder folder;
};

TEST_F(MapChunksTest, FilesFillTheSlotsInNameOrder) {
    for (uint8_t n = 1; n <= 4; ++n) writeMapFile(folder.path(), "0" + std::to_string(n), mapFileBytes(filled(n)));
    loadMapChunks(*game);
    EXPECT_EQ(game->trackWidth, 16);
    EXPECT_EQ(game->trackRows, 400);
    for (size_t slot = 0; slot < 4; ++slot) EXPECT_EQ(game->mapChunks[slot], filled(static_cast<uint8_t>(slot + 1)));
}

TEST_F(MapChunksTest, AMissingFileMovesTheLaterOnesUp) {
    writeMapFile(folder.path(), "01", mapFileBytes(filled(1)));
    writeMapFile(folder.path(), "03", mapFileBytes(filled(3)));
    writeMapFile(folder.path(), "04", mapFileBytes(filled(4)));
    loadMapChunks(*game);
    EXPECT_EQ(game->mapChunks[0], filled(1));
    EXPECT_EQ(game->mapChunks[1], filled(3));
    EXPECT_EQ(game->mapChunks[2], filled(4));
    EXPECT_EQ(game->mapChunks[3], filled(kGrass));
}

TEST_F(MapChunksTest, NoFilesLeaveEveryChunkGrassAndTheTrackSized) {
    loadMapChunks(*game);
    for (const MapChunk& chunk : game->mapChunks) EXPECT_EQ(chunk, filled(kGrass));
    EXPECT_EQ(game->trackRows, 400);
}

TEST_F(MapChunksTest, TheFirstStoredRowIsTheChunksLastRow) {
    MapChunk chunk{};
    setChunkRows(chunk, 0, {"T..............2"});
    setChunkRows(chunk, 49, {"1111111111111111"});
    std::vector<uint8_t> bytes = mapFileBytes(chunk);
    EXPECT_EQ(bytes[1078], kRoad1);  // stored first
    writeMapFile(folder.path(), "01", bytes);
    loadMapChunks(*game);
    EXPECT_EQ(game->mapChunks[0], chunk);
}

TEST_F(MapChunksTest, OnlyThePixelOffsetOfTheHeaderIsUsed) {
    // Not a bitmap header at all, apart from bytes 10 to 13.
    std::vector<uint8_t> bytes(100 + 800, 0xEE);
    bytes[10] = 100;
    bytes[11] = bytes[12] = bytes[13] = 0;
    for (size_t i = 0; i < 800; ++i) bytes[100 + i] = static_cast<uint8_t>(i % 21);
    writeMapFile(folder.path(), "01", bytes);
    loadMapChunks(*game);
    for (int32_t row = 0; row < 50; ++row) {
        for (int32_t column = 0; column < 16; ++column) {
            ASSERT_EQ(game->mapChunks[0][static_cast<size_t>(row * 16 + column)], ((49 - row) * 16 + column) % 21);
        }
    }
}

TEST_F(MapChunksTest, ShortPixelDataGivesGrassForTheMissingCodes) {
    // The first file is all water, so nothing of it may show through in the
    // second, whose data ends after 40 bytes (the bottom two rows and a half).
    writeMapFile(folder.path(), "01", mapFileBytes(filled(kWater)));
    std::vector<uint8_t> bytes = mapFileBytes(filled(kRoad2));
    bytes.resize(1078 + 40);
    writeMapFile(folder.path(), "02", bytes);
    // An offset far past the end reads no pixel data at all.
    std::vector<uint8_t> farOffset = mapFileBytes(filled(kRoad1));
    farOffset[13] = 0xFF;
    writeMapFile(folder.path(), "03", farOffset);
    loadMapChunks(*game);
    const MapChunk& shortChunk = game->mapChunks[1];
    for (int32_t i = 0; i < kChunkCells; ++i) {
        const int32_t storedIndex = (49 - i / 16) * 16 + i % 16;
        ASSERT_EQ(shortChunk[static_cast<size_t>(i)], storedIndex < 40 ? kRoad2 : kGrass) << i;
    }
    EXPECT_EQ(game->mapChunks[2], filled(kGrass));
}

}  // namespace
}  // namespace kestrway::test
