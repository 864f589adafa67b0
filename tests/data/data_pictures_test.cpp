// The generated pictures and fonts read for what they mean (the regeneration test pins their
// bytes): road corners that join the ground, the built-in font's ink, bit order and baseline.
#include <gtest/gtest.h>

#include <string>

#include "platform/builtin_font.h"
#include "platform/image.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

constexpr uint32_t kCreationFill = 0xFF64FF64;  // what the game fills picture images with

ImagePtr loadPicture(const std::string& path, int32_t width, int32_t height) {
    ImagePtr image = createImage(width, height, kCreationFill);
    EXPECT_EQ(loadBitmap(std::string(KESTRWAY_DATA_DIR) + "/" + path, image.get()), ErrorCode::kOk)
        << path;
    return image;
}

using DataPictures = OpenScreenTest;

// Whether two 32x32 tiles agree along the middle of one edge (0 top, 1 right, 2 bottom, 3 left),
// away from its ends where a corner's curve meets it.
bool edgesMatch(const Image& a, const Image& b, int32_t side) {
    for (int32_t i = 4; i < 28; ++i) {
        const int32_t x = side == 1 ? 31 : (side == 3 ? 0 : i);
        const int32_t y = side == 0 ? 0 : (side == 2 ? 31 : i);
        if (((a.row(y)[x] ^ b.row(y)[x]) & 0xFFFFFF) != 0) return false;
    }
    return true;
}

// A corner is a ground cell the road's edge curves through: on its two ground sides it continues
// the plain ground tile exactly, on its two road sides it must not. A swapped or mirrored corner
// would leave a step in the road's edge.
TEST_F(DataPictures, CornersContinueTheGroundOnlyOnTheirGroundSides) {
    const char* const roadSides[] = {"-RR-", "R--R", "RR--", "--RR"};  // top, right, bottom, left
    for (const std::string set : {"gfx/forest/", "gfx/desert/"}) {
        const ImagePtr ground = loadPicture(set + "grass.bmp", 32, 32);
        for (int32_t corner = 0; corner < 4; ++corner) {
            const std::string path = set + "corner" + std::to_string(corner + 1) + ".bmp";
            const ImagePtr tile = loadPicture(path, 32, 32);
            for (int32_t side = 0; side < 4; ++side) {
                EXPECT_NE(edgesMatch(*tile, *ground, side), roadSides[corner][side] == 'R')
                    << path << " side " << side;
            }
        }
    }
}

int32_t lastInkedRow(char c) {
    int32_t last = -1;
    for (int32_t row = 0; row < kGlyphHeight; ++row) {
        if (builtinGlyph(static_cast<uint8_t>(c))[row] != 0) last = row;
    }
    return last;
}

// Control codes and space are blank, printable characters inked; letters and digits share one
// baseline; bit 0 is the leftmost pixel, so 'L' has its stem in the low bits and its foot reaching
// to the right (a mirrored font passes every other check).
TEST(DataBuiltinFont, PrintablesHaveInkOnOneBaselineAndBitZeroIsTheLeftColumn) {
    for (int32_t code = 0; code < 128; ++code) {
        EXPECT_EQ(lastInkedRow(static_cast<char>(code)) >= 0, code > 32 && code < 127) << code;
    }
    const int32_t baseline = lastInkedRow('H');
    ASSERT_GT(baseline, 8);
    for (const char c : {'A', 'L', 'x', '0', '7'}) EXPECT_EQ(lastInkedRow(c), baseline) << c;
    EXPECT_GT(lastInkedRow('g'), baseline) << "descender";
    const uint8_t stem = builtinGlyph('L')[baseline - 4];
    EXPECT_TRUE((stem & 0x07) != 0 && (stem & 0xF0) == 0) << int{stem};
    EXPECT_GT(builtinGlyph('L')[baseline], stem);
}

}  // namespace
}  // namespace kestrway
