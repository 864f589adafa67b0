// drawFontText: glyph placement, transparency, codes without glyphs,
// clipping at every edge, refused fonts and the header row's bounds.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen_device.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

constexpr uint32_t kBackground = 0xFF000000;
constexpr int32_t kGlyphRows = 4;

// Glyph pixel (column, row) of a code: opaque and unique, except that each
// glyph's top-left pixel is the mask colour.
uint32_t glyphPixel(uint8_t code, int32_t column, int32_t row) {
    if (column == 0 && row == 0) return 0x7FFF00FF;
    return 0xFF000000u | uint32_t{code} << 16 | static_cast<uint32_t>(row) << 8 | static_cast<uint32_t>(column);
}
uint32_t drawn(uint8_t code, int32_t column, int32_t row) { return glyphPixel(code, column, row) & 0x00FFFFFF; }

// A font of codes first..first + widths.size() - 1, glyphs kGlyphRows high.
ImagePtr makeFont(uint8_t first, uint8_t last, const std::vector<uint8_t>& widths, int32_t width = 64) {
    ImagePtr font = createImage(width, kGlyphRows + 1);
    uint8_t* header = font->pixelArea();
    header[0] = 0;
    header[1] = first;
    header[2] = last;
    for (size_t i = 0; i < widths.size(); ++i) header[3 + i] = widths[i];
    int32_t start = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        for (int32_t row = 0; row < kGlyphRows; ++row) {
            // A font claiming more columns than its rows hold gets only those that fit.
            for (int32_t column = 0; column < widths[i] && start + column < width; ++column) {
                font->row(row + 1)[start + column] = glyphPixel(static_cast<uint8_t>(first + i), column, row);
            }
        }
        start += widths[i];
    }
    return font;
}

class DrawFontTextTest : public OpenScreenTest {
protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        takeChangedLineRuns([](int32_t, int32_t) {});
        font_ = makeFont('A', 'C', {2, 3, 1});
    }

    // Every screen pixel outside the given columns x rows box is background.
    static void expectNothingOutside(int32_t left, int32_t right, int32_t top, int32_t bottom) {
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            for (int32_t x = 0; x < kScreenWidth; ++x) {
                if (x >= left && x < right && y >= top && y < bottom) continue;
                ASSERT_EQ(pixel(x, y), kBackground) << x << "," << y;
            }
        }
    }

    static std::vector<std::pair<int32_t, int32_t>> changedRuns() {
        std::vector<std::pair<int32_t, int32_t>> runs;
        takeChangedLineRuns([&](int32_t first, int32_t last) { runs.emplace_back(first, last); });
        return runs;
    }

    ImagePtr font_;
};

using Runs = std::vector<std::pair<int32_t, int32_t>>;

TEST_F(DrawFontTextTest, GlyphsSitSideBySideWithMaskPixelsSkipped) {
    EXPECT_EQ(drawFontText(10, 20, "ABC", font_.get()), ErrorCode::kOk);
    for (int32_t row = 0; row < kGlyphRows; ++row) {
        for (int32_t column = 0; column < 2; ++column) {
            const uint32_t expected = column == 0 && row == 0 ? kBackground : drawn('A', column, row);
            EXPECT_EQ(pixel(10 + column, 20 + row), expected);
        }
        for (int32_t column = 1; column < 3; ++column) {
            EXPECT_EQ(pixel(12 + column, 20 + row), drawn('B', column, row));
        }
        if (row > 0) {
            EXPECT_EQ(pixel(15, 20 + row), drawn('C', 0, row));
        }
    }
    EXPECT_EQ(pixel(12, 20), kBackground);  // B's mask pixel
    expectNothingOutside(10, 16, 20, 24);
    EXPECT_EQ(changedRuns(), (Runs{{20, 23}}));
}

TEST_F(DrawFontTextTest, CodesWithoutGlyphsMoveThePenByTheRowsDrawn) {
    EXPECT_EQ(drawFontText(10, 20, "A?B", font_.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(10 + 2 + kGlyphRows + 1, 21), drawn('B', 1, 1));
    expectNothingOutside(10, 10 + 2 + kGlyphRows + 3, 20, 24);

    // Two of the four rows lie above the screen: a missing glyph moves the pen by 2.
    takeChangedLineRuns([](int32_t, int32_t) {});
    EXPECT_EQ(drawFontText(100, -2, "?A", font_.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(102, 0), drawn('A', 0, 2));
    EXPECT_EQ(pixel(103, 1), drawn('A', 1, 3));
    EXPECT_EQ(changedRuns(), (Runs{{0, 1}}));
}

TEST_F(DrawFontTextTest, ClipsGlyphsAtTheLeftAndRightEdges) {
    // A lies wholly left of the screen; B starts one column left of it.
    EXPECT_EQ(drawFontText(-3, 50, "AB", font_.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(0, 50), drawn('B', 1, 0));
    EXPECT_EQ(pixel(1, 53), drawn('B', 2, 3));
    expectNothingOutside(0, 2, 50, 54);

    EXPECT_EQ(drawFontText(638, 60, "BA", font_.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(639, 61), drawn('B', 1, 1));
    EXPECT_EQ(pixel(638, 61), drawn('B', 0, 1));
}

TEST_F(DrawFontTextTest, ClipsGlyphRowsAtTheBottom) {
    EXPECT_EQ(drawFontText(0, 478, "B", font_.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(1, 478), drawn('B', 1, 0));
    EXPECT_EQ(pixel(2, 479), drawn('B', 2, 1));
    expectNothingOutside(0, 3, 478, 480);
    EXPECT_EQ(changedRuns(), (Runs{{478, 479}}));
}

TEST_F(DrawFontTextTest, FirstAndLastCodesInEitherOrder) {
    ImagePtr swapped = makeFont('A', 'C', {2, 3, 1});
    swapped->pixelArea()[1] = 'C';
    swapped->pixelArea()[2] = 'A';
    EXPECT_EQ(drawFontText(0, 0, "C", swapped.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(0, 1), drawn('C', 0, 1));
}

TEST_F(DrawFontTextTest, RefusedFontsDrawNothing) {
    ImagePtr badVersion = makeFont('A', 'C', {2, 3, 1});
    badVersion->pixelArea()[0] = 1;
    EXPECT_EQ(drawFontText(0, 0, "A", badVersion.get()), ErrorCode::kIllegalCall);
    // Text wholly above or below the view is not looked at.
    EXPECT_EQ(drawFontText(0, -kGlyphRows, "A", badVersion.get()), ErrorCode::kOk);
    EXPECT_EQ(drawFontText(0, 480, "A", badVersion.get()), ErrorCode::kOk);

    ImagePtr tooWide = makeFont('A', 'C', {2, 3, 12}, 16);  // 17 columns claimed, 16 held
    EXPECT_EQ(drawFontText(0, 0, "A", tooWide.get()), ErrorCode::kIllegalCall);

    ImagePtr unfilled = createImage(1073, 24);  // a font whose file did not load
    EXPECT_EQ(drawFontText(0, 0, "A", unfilled.get()), ErrorCode::kIllegalCall);

    ImagePtr noRows = createImage(16, 1, 0);
    EXPECT_EQ(drawFontText(0, 10, "A", noRows.get()), ErrorCode::kIllegalCall);

    ImagePtr foreign = makeFont('A', 'C', {2, 3, 1});
    foreign->header.bytesPerPixel = 3;
    EXPECT_EQ(drawFontText(0, 0, "A", foreign.get()), ErrorCode::kIllegalCall);

    EXPECT_EQ(drawFontText(0, 0, "A", nullptr), ErrorCode::kIllegalCall);
    expectNothingOutside(0, 0, 0, 0);
    EXPECT_TRUE(changedRuns().empty());
}

TEST_F(DrawFontTextTest, WidthsAreReadOnlyFromTheHeaderRow) {
    // A 4-pixel-wide font has a 16-byte header row: widths for 13 codes. It
    // claims A..Z; N and later would take their widths from the glyph row
    // below, whose mask-colour bytes would read as widths of 255.
    std::vector<uint8_t> widths(13, 0);
    widths[0] = 1;
    ImagePtr font = makeFont('A', 'Z', widths, 4);
    EXPECT_EQ(drawFontText(30, 40, "NA", font.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(30 + kGlyphRows, 41), drawn('A', 0, 1));
    expectNothingOutside(30 + kGlyphRows, 31 + kGlyphRows, 40, 44);
}

TEST(DrawFontTextBeforeScreen, NothingIsDrawnUntilTheScreenOpens) {
    headless::reset();
    openScreen();
    ImagePtr font = makeFont('A', 'A', {2});
    headless::reset();
    EXPECT_EQ(drawFontText(0, 0, "A", font.get()), ErrorCode::kIllegalCall);
}

}  // namespace
}  // namespace kestrway
