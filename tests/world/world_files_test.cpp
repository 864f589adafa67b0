// The world's files: map chunks filling the slots in name order, stored
// bottom row first, short pixel data read as grass; the stage's tile set
// picked by one draw.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "platform/files.h"
#include "platform/random.h"
#include "support/map_files.h"
#include "support/test_track.h"
#include "world/world_images.h"

namespace kestrway::test {
namespace {

class WorldFilesTest : public WorldTest {
  protected:
    void TearDown() override {
        setDataFolder("");
        WorldTest::TearDown();
    }
};

TEST_F(WorldFilesTest, MissingMapFilesShiftTheSlotsAndShortOnesEndInGrass) {
    TestDataFolder data({uniformChunk("1111111111111111"), uniformChunk("2222222222222222"),
                         uniformChunk("~~~~~~~~~~~~~~~~"), ChunkRows{"T"}});
    std::filesystem::remove(data.path() / "map" / "02.bmp");
    std::filesystem::resize_file(data.path() / "map" / "03.bmp", 1078 + 40);
    setDataFolder(data.path().string());
    loadMapChunks(*game);
    const auto code = [&](size_t slot, int32_t row, int32_t column) {
        return game->mapChunks[slot][static_cast<size_t>(row * kTrackWidth + column)];
    };
    // Slot 0 is all road1. 03's 40 bytes of data cover rows 49, 48 and half
    // of 47; chunk row 0, the far end, is stored last; no fourth file.
    EXPECT_EQ(
        (std::array{code(0, 0, 0), code(0, 49, 15), code(1, 49, 15), code(1, 47, 7), code(1, 47, 8),
                    code(1, 0, 0), code(2, 0, 0), code(2, 49, 0)}),
        (std::array<uint8_t, 8>{kRoad1, kRoad1, kWater, kWater, kGrass, kGrass, kTree, kGrass}));
    EXPECT_EQ(game->mapChunks[3], MapChunk{});
    EXPECT_EQ(game->trackRows, kTrackRows);
}

TEST_F(WorldFilesTest, OneDrawPicksTheForestOrTheDesertPictures) {
    TestDataFolder data({});
    setDataFolder(data.path().string());
    const auto middle = [](const ImagePtr& image) { return image->row(16)[16]; };
    ImagePtr forest = createImage(kTileSize, kTileSize, 0);
    ImagePtr desert = createImage(kTileSize, kTileSize, 0);
    loadBitmap("gfx\\forest\\grass.bmp", forest.get());
    loadBitmap("gfx\\desert\\grass.bmp", desert.get());
    ASSERT_NE(middle(forest), middle(desert));
    EXPECT_EQ(game->tileSetKind, TileSetKind::kNone);
    int32_t forests = 0;
    for (double seed = 1; seed <= 6; ++seed) {
        seedRandom(seed);
        chooseTileSet(*game);
        const bool isForest = drawAfter(seed, 0) * 10 <= 5;
        forests += isForest;
        EXPECT_EQ(middle(game->tileSet[kGrass]), middle(isForest ? forest : desert)) << seed;
        // The choice is readable without looking at the pictures.
        EXPECT_EQ(game->tileSetKind, isForest ? TileSetKind::kForest : TileSetKind::kDesert)
            << seed;
        EXPECT_EQ(randomLastValue(), drawAfter(seed, 0)) << seed;
        EXPECT_EQ(randomUnit(), drawAfter(seed, 1)) << "one draw for seed " << seed;
    }
    EXPECT_GT(forests, 0);
    EXPECT_LT(forests, 6);
    // Both lane codes show the road picture; code 5 has none and keeps its own.
    EXPECT_EQ(middle(game->tileSet[kRoad2]), middle(game->tileSet[kRoad1]));
    EXPECT_EQ(decodeTilePixel(middle(game->tileSet[5])), (TilePixel{5, 16, 16}));
}

}  // namespace
}  // namespace kestrway::test
