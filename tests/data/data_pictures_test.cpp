// The generated pictures and fonts: sizes, opaque tiles, masked sprites, corners that join the
// ground, the title font's header row and glyphs, the built-in font's ink, bit order and baseline.
#include <gtest/gtest.h>

#include <string>

#include "platform/builtin_font.h"
#include "platform/image.h"
#include "support/open_screen_fixture.h"
#include "ui/font_text.h"

namespace kestrway {
namespace {

constexpr uint32_t kCreationFill = 0xFF64FF64;  // what the game fills picture images with

bool isMask(uint32_t pixel) {
    return (pixel & 0xFFFFFF) == kMaskColour;
}

ImagePtr loadPicture(const std::string& path, int32_t width, int32_t height) {
    ImagePtr image = createImage(width, height, kCreationFill);
    EXPECT_EQ(loadBitmap(std::string(KESTRWAY_DATA_DIR) + "/" + path, image.get()), ErrorCode::kOk)
        << path;
    return image;
}

using DataPictures = OpenScreenTest;

// Loaded into an image one pixel larger each way, a file of the right size replaces every pixel
// but the extra column and row. Tiles are copied opaque, so a mask pixel would show as magenta;
// sprites need a transparent surround (their corners) and a solid body.
TEST_F(DataPictures, EveryPictureHasItsSizeTilesAreOpaqueAndSpritesMasked) {
    const auto check = [](const std::string& name, int32_t width, int32_t height, bool sprite) {
        SCOPED_TRACE(name);
        const ImagePtr image = loadPicture("gfx/" + name + ".bmp", width + 1, height + 1);
        int32_t masked = 0;
        for (int32_t y = 0; y <= height; ++y) {
            for (int32_t x = 0; x <= width; ++x) {
                ASSERT_EQ(image->row(y)[x] == kCreationFill, x == width || y == height)
                    << x << "," << y;
                masked += isMask(image->row(y)[x]) ? 1 : 0;
            }
        }
        const auto corner = [&](int32_t x, int32_t y) { return isMask(image->row(y)[x]); };
        EXPECT_EQ(corner(0, 0) && corner(width - 1, 0) && corner(0, height - 1) &&
                      corner(width - 1, height - 1),
                  sprite);
        EXPECT_LE(masked * 10, sprite ? 9 * width * height : 0);
    };
    for (const std::string set : {"forest/", "desert/"}) {
        for (const char* name : {"grass", "road", "water", "tree", "corner1", "corner2", "corner3",
                                 "corner4", "tower"}) {
            check(set + name, 32, 32, false);
        }
    }
    for (const char* name : {"car", "boat", "car1", "car2", "tank", "tank2"}) {
        check(name, 32, 32, true);
    }
    for (const char* name : {"shot", "rocket", "rocket2", "shot2", "explosion", "collect/spanner"})
        check(name, 16, 16, true);
    check("start", 32, 32, false);
    check("ui/square1", 16, 16, false);
    check("ui/square2", 16, 16, false);
    check("logo", 600, 48, true);
}

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

// The header row must reach the image byte for byte (a 24-bit file would turn every fourth byte
// into 255): format 0, characters from 32, one width byte each. Each glyph then fills its width
// with ink on the mask colour, and the title's longest line fits inside its border.
TEST_F(DataPictures, TitleFontHeaderAndGlyphsReachTheImageIntact) {
    const ImagePtr font = loadPicture("fonts/arial_16_white.bmp", 1073, 24);
    const uint8_t* header = font->pixelArea();
    ASSERT_TRUE(header[0] == 0 && header[1] == 32 && header[2] >= 126);
    int32_t start = 0;
    for (uint32_t code = 32; code <= header[2]; ++code) {
        const int32_t width = header[3 + code - 32];
        ASSERT_TRUE(width > 0 && start + width <= 1073) << "code " << code;
        int32_t ink = 0;
        for (int32_t y = 1; y < 24; ++y) {
            for (int32_t x = start; x < start + width; ++x) ink += isMask(font->row(y)[x]) ? 0 : 1;
        }
        EXPECT_EQ(ink > 0, code != ' ') << "code " << code;
        start += width;
    }
    EXPECT_LE(fontTextWidth(font.get(), "* Gain 10 points for each enemy tank you destroy *"), 576);
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
