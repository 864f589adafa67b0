// The world's pictures: created blank, start line and spanner loaded, and
// the stage's tile set chosen by one draw.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/random.h"
#include "support/test_track.h"
#include "world/world_images.h"

namespace kestrway::test {
namespace {

// A 24-bit 32x32 bitmap of one colour at folder/name.
void writeSolidBitmap(const std::filesystem::path& file, uint32_t colour) {
    std::vector<uint8_t> bytes(54 + 32 * 32 * 3, 0);
    auto put = [&](size_t at, uint32_t value, int32_t size) {
        for (int32_t i = 0; i < size; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<uint32_t>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, 32, 4);
    put(22, 32, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (size_t p = 54; p < bytes.size(); p += 3) put(p, colour, 3);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

uint32_t firstPixel(const ImagePtr& image) { return image->row(0)[0] & 0xFFFFFF; }

class WorldImagesTest : public OpenScreenTest {
protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        game = std::make_unique<GameState>();
    }
    // Every stage picture of both sets in its own colour: forest 0x10nn00,
    // desert 0x20nn00, nn the slot.
    void writeBothSets() {
        const char* files[] = {"grass", "road", "water", "tree", "corner1", "corner2", "corner3", "corner4", "tower"};
        for (uint32_t set = 1; set <= 2; ++set) {
            for (uint32_t i = 0; i < std::size(files); ++i) {
                writeSolidBitmap(folder.path() / "gfx" / (set == 1 ? "forest" : "desert") /
                                     (std::string(files[i]) + ".bmp"),
                                 set << 20 | (i + 1) << 8);
            }
        }
    }
    TempDataFolder folder;
    std::unique_ptr<GameState> game;
};

TEST_F(WorldImagesTest, CreatesBlankPicturesLoadsTheSharedOnesAndResetsTheScroll) {
    writeSolidBitmap(folder.path() / "gfx" / "start.bmp", 0x0000FF);
    game->scrollRow = 200;
    game->scrollOffset = 9;
    createWorldImages(*game);
    for (int32_t slot = 0; slot < kTileSlots; ++slot) {
        const ImagePtr& tile = game->tileSet[static_cast<size_t>(slot)];
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->header.width, 32u);
        EXPECT_EQ(tile->header.height, 32u);
        if (slot != kStartLine) {
            EXPECT_EQ(tile->row(31)[31], kBlankColour) << slot;
        }
    }
    EXPECT_EQ(firstPixel(game->tileSet[kStartLine]), 0x0000FFu);
    for (const ImagePtr& pickup : game->pickupImages) {
        ASSERT_NE(pickup, nullptr);
        EXPECT_EQ(pickup->header.width, 16u);
        EXPECT_EQ(pickup->row(0)[0], kBlankColour);
    }
    EXPECT_EQ(game->scrollRow, 16);
    EXPECT_EQ(game->scrollOffset, 0);
}

TEST_F(WorldImagesTest, OneDrawPicksTheSetAndOnlyTheStageSlotsAreReloaded) {
    writeBothSets();
    createWorldImages(*game);
    int32_t forests = 0;
    for (double seed = 1; seed <= 12; ++seed) {
        GameRandom expected;
        expected.seed(seed);
        const bool forest = expected.next() * 10 <= 5;
        seedRandom(seed);
        chooseTileSet(*game);
        const uint32_t set = forest ? 0x100000u : 0x200000u;
        const int32_t slots[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
        const uint32_t files[] = {1, 2, 2, 3, 4, 5, 6, 7, 8, 9};
        for (size_t i = 0; i < std::size(slots); ++i) {
            EXPECT_EQ(firstPixel(game->tileSet[static_cast<size_t>(slots[i])]), set | files[i] << 8)
                << "seed " << seed << " slot " << slots[i];
        }
        for (int32_t blank : {5, 11, 15, 20}) {
            EXPECT_EQ(game->tileSet[static_cast<size_t>(blank)]->row(0)[0], kBlankColour);
        }
        EXPECT_EQ(randomUnit(), expected.next()) << "exactly one draw";
        forests += forest;
    }
    EXPECT_GT(forests, 0);
    EXPECT_LT(forests, 12);
}

}  // namespace
}  // namespace kestrway::test
