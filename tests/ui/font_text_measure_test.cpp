// Measuring and centring text in the still screens' font.
#include <gtest/gtest.h>

#include "support/open_screen_fixture.h"
#include "ui/font_text.h"

namespace kestrway {
namespace {

constexpr uint32_t kInk = 0xFF123456;

class FontTextTest : public OpenScreenTest {
  protected:
    // A font covering 32..126, every glyph 4 wide except those given, all
    // solid ink below the header row.
    void makeFont(std::initializer_list<std::pair<char, uint8_t>> widths) {
        font_ = createImage(kFontImageWidth, kFontImageHeight);
        ASSERT_NE(font_, nullptr);
        uint8_t* header = font_->pixelArea();
        header[0] = 0;
        header[1] = 32;
        header[2] = 126;
        std::fill_n(header + 3, 95, uint8_t{4});
        for (auto [c, w] : widths) header[3 + c - 32] = w;
        for (int32_t y = 1; y < kFontImageHeight; ++y)
            std::fill_n(font_->row(y), kFontImageWidth, kInk);
    }
    // The first inked column of screen row y.
    static int32_t firstInk(int32_t y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            if ((pixel(x, y) & 0xFFFFFF) == (kInk & 0xFFFFFF)) return x;
        }
        return -1;
    }
    ImagePtr font_;
};

TEST_F(FontTextTest, WidthSumsTheWidthBytesAndCentringRoundsHalvesToEven) {
    makeFont({{'A', 9}, {'B', 7}, {'W', 101}, {'M', 103}});
    EXPECT_EQ(fontTextWidth(font_.get(), ""), 0);
    EXPECT_EQ(fontTextWidth(font_.get(), "A A"), 22);
    clearScreen();
    drawCentredText(font_.get(), 100, "W");  // (640 - 101) / 2 = 269.5
    drawCentredText(font_.get(), 200, "M");  // (640 - 103) / 2 = 268.5
    drawCentredText(font_.get(), 300, "AB");
    EXPECT_EQ(firstInk(101), 270);
    EXPECT_EQ(firstInk(201), 268);
    EXPECT_EQ(firstInk(99), -1);  // the glyph rows start at y
    EXPECT_EQ(firstInk(301), 312);
}

TEST_F(FontTextTest, CharactersOutsideTheHeaderRowMeasureNothing) {
    // A one-row image: the header row is all there is, so a width byte read
    // past it would leave the image's memory.
    ImagePtr tiny = createImage(10, 1);
    ASSERT_NE(tiny, nullptr);
    std::fill_n(tiny->pixelArea(), tiny->header.pitch, uint8_t{2});
    EXPECT_EQ(fontTextWidth(tiny.get(), "\x01\x1F~\xFF"), 0);
    EXPECT_EQ(fontTextWidth(tiny.get(), "  "), 4);
    EXPECT_EQ(fontTextWidth(nullptr, "abc"), 0);
}

}  // namespace
}  // namespace kestrway
