// The title font picture and the built-in 8x16 font: header, widths, glyph colours, bit order, baseline.
#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <string_view>

#include "data/data_files.h"
#include "ui/font_text.h"

namespace kestrway::datatest {
namespace {

constexpr int32_t kFontWidth = 1073;
constexpr int32_t kFontHeight = 24;

class DataFont : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        font_ = loadPicture("fonts/arial_16_white.bmp", kFontWidth, kFontHeight, std::nullopt);
        ASSERT_NE(font_, nullptr);
        header_ = font_->pixelArea();
    }

    int32_t width(uint32_t code) const { return header_[3 + (code - header_[1])]; }

    ImagePtr font_;
    const uint8_t* header_ = nullptr;
};

// The header row must reach the image byte for byte; a 24-bit file would turn
// every fourth byte into 255.
TEST_F(DataFont, HeaderRowSurvivesLoadingWithEveryPrintableCharacter) {
    const std::vector<uint8_t> file = readWholeFile(dataPath("fonts/arial_16_white.bmp"));
    ASSERT_GE(file.size(), 30u);
    EXPECT_EQ(file[28], 32) << "the font file must be 32 bits per pixel";
    EXPECT_EQ(header_[0], 0);
    EXPECT_EQ(header_[1], 32);
    EXPECT_GE(header_[2], 126);
    int32_t sum = 0;
    for (uint32_t code = header_[1]; code <= header_[2]; ++code) {
        EXPECT_GT(width(code), 0) << "code " << code;
        sum += width(code);
    }
    EXPECT_LE(sum, kFontWidth);
}

TEST_F(DataFont, GlyphsAreWhiteOnTheMaskAndEveryVisibleCharacterHasInk) {
    int32_t start = 0;
    for (uint32_t code = header_[1]; code <= header_[2]; ++code) {
        int32_t ink = 0;
        for (int32_t y = 1; y < kFontHeight; ++y) {
            for (int32_t x = start; x < start + width(code); ++x) {
                const uint32_t pixel = font_->row(y)[x];
                if (isMask(pixel)) {
                    continue;
                }
                ++ink;
                const uint32_t red = (pixel >> 16) & 0xFF;
                EXPECT_TRUE(red == ((pixel >> 8) & 0xFF) && red == (pixel & 0xFF))
                    << "code " << code << " has a coloured pixel at " << x << "," << y;
            }
        }
        if (code == ' ') {
            EXPECT_EQ(ink, 0);
        } else {
            EXPECT_GT(ink, 0) << "code " << code;
        }
        start += width(code);
    }
}

TEST_F(DataFont, TitleScreenLinesFitTheScreen) {
    for (const std::string_view line : {"Race to the end of each stage!",
                                        "* Gain 10 points for each enemy tank you destroy *",
                                        "* Lose 10 points for any civilian cars you shoot *",
                                        "* Collect the spanners to repair your car *",
                                        "Previous score:-2147483648", "Stage 2147483647 Completed!"}) {
        const int32_t measured = fontTextWidth(font_.get(), line);
        EXPECT_GT(measured, 0) << line;
        EXPECT_LE(measured, 640 - 64) << line << " (inside the title's chequered border)";
    }
}

using BuiltinGlyphs = std::array<uint8_t, 4096>;

BuiltinGlyphs readBuiltinFont() {
    const std::vector<uint8_t> bytes =
        readWholeFile(std::string(KESTRWAY_SOURCE_DIR) + "/src/platform/builtin_font_glyphs.inc");
    const std::string text(bytes.begin(), bytes.end());
    const std::regex literal("0x([0-9A-Fa-f]{2})");
    BuiltinGlyphs glyphs{};
    size_t count = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), literal); it != std::sregex_iterator(); ++it) {
        if (count < glyphs.size()) {
            glyphs[count] = static_cast<uint8_t>(std::stoi((*it)[1].str(), nullptr, 16));
        }
        ++count;
    }
    EXPECT_EQ(count, glyphs.size());
    return glyphs;
}

uint8_t builtinRow(const BuiltinGlyphs& glyphs, char c, int32_t row) {
    return glyphs[static_cast<size_t>(static_cast<uint8_t>(c)) * 16 + static_cast<size_t>(row)];
}

int32_t lastInkedRow(const BuiltinGlyphs& glyphs, char c) {
    int32_t last = -1;
    for (int32_t row = 0; row < 16; ++row) {
        last = builtinRow(glyphs, c, row) != 0 ? row : last;
    }
    return last;
}

TEST(BuiltinFont, PrintableCharactersHaveInkAndControlCodesAreBlank) {
    const BuiltinGlyphs glyphs = readBuiltinFont();
    for (int32_t code = 0; code < 256; ++code) {
        int32_t ink = 0;
        for (int32_t row = 0; row < 16; ++row) {
            ink += glyphs[static_cast<size_t>(code * 16 + row)] != 0 ? 1 : 0;
        }
        if (code > 32 && code < 127) {
            EXPECT_GT(ink, 0) << "code " << code;
        } else if (code < 32 || code == 127) {
            EXPECT_EQ(ink, 0) << "code " << code;
        }
    }
}

// Bit 0 is the leftmost pixel: 'L' has its stem on the left and its foot
// reaching right; '|' and digits share one baseline with the capitals.
TEST(BuiltinFont, BitZeroIsTheLeftColumnAndLettersShareABaseline) {
    const BuiltinGlyphs glyphs = readBuiltinFont();
    const int32_t baseline = lastInkedRow(glyphs, 'H');
    ASSERT_GT(baseline, 8);
    for (const char c : {'A', 'L', 'x', '0', '7', 'E'}) {
        EXPECT_EQ(lastInkedRow(glyphs, c), baseline) << c;
    }
    EXPECT_GT(lastInkedRow(glyphs, 'g'), baseline) << "descender";
    const uint8_t stem = builtinRow(glyphs, 'L', baseline - 4);
    const uint8_t foot = builtinRow(glyphs, 'L', baseline);
    EXPECT_NE(stem & 0x07, 0) << "the stem of L lies in the low bits";
    EXPECT_EQ(stem & 0xF0, 0);
    EXPECT_GT(foot, stem) << "the foot of L reaches further right than its stem";
}

}  // namespace
}  // namespace kestrway::datatest
