// Creating images and drawing them: createImage's layout and fill, blit and
// blitTransparent clipped at each edge with the transparency rule and its alpha,
// the vector keyed row copy against the one-pixel rule, and drawFontText.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <tuple>

#include "platform/blit_rows.h"
#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen_device.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

constexpr uint32_t kBackground = 0xFF000000;
constexpr int32_t kGlyphRows = 4;
using Runs = std::vector<std::pair<int32_t, int32_t>>;

Runs changedRuns() {
    Runs runs;
    takeChangedLineRuns([&](int32_t first, int32_t last) { runs.emplace_back(first, last); });
    return runs;
}

void freshScreen() {
    headless::reset();
    openScreen();
    changedRuns();
}

void expectScreen(const std::function<uint32_t(int64_t x, int64_t y)>& expected) {
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            ASSERT_EQ(screenPixels()[y * kScreenWidth + x], expected(x, y))
                << "at " << x << "," << y;
        }
    }
}

constexpr int64_t kStart[] = {0, 2, 5,
                              6};  // the first font columns of A, B and C, and the end of C

// Font pixel (x, row) as drawn: unique, with alpha 0.
uint32_t fontPixel(int64_t x, int64_t row) {
    return static_cast<uint32_t>(row << 8 | x);
}

// A font of A, B and C, kGlyphRows high, whose header row is zero past the
// widths; each glyph's top-left pixel is the mask colour under alpha 0x7F.
ImagePtr makeFont(int32_t width = 64) {
    ImagePtr font = createImage(width, kGlyphRows + 1, 0);
    const uint8_t header[] = {0, 'A', 'C', 2, 3, 1};
    std::copy(std::begin(header), std::end(header), font->pixelArea());
    for (int32_t row = 0; row < kGlyphRows; ++row) {
        for (int32_t x = 0; x < width; ++x) {
            const bool corner = row == 0 && (x == kStart[0] || x == kStart[1] || x == kStart[2]);
            font->row(row + 1)[x] = corner ? 0x7FFF00FF : 0xFF000000 | fontPixel(x, row);
        }
    }
    return font;
}

using Glyph = std::pair<char, int64_t>;  // code, left column on the screen

// The screen shows exactly these glyphs, their top row at top.
void expectGlyphs(int64_t top, const std::vector<Glyph>& glyphs) {
    expectScreen([&](int64_t x, int64_t y) {
        uint32_t expected = kBackground;
        for (const auto& [code, left] : glyphs) {
            const int64_t column = x - left + kStart[code - 'A'], row = y - top;
            if (column >= kStart[code - 'A'] && column < kStart[code - 'A' + 1] && row >= 0 &&
                row < kGlyphRows && (row > 0 || column > kStart[code - 'A'])) {
                expected = fontPixel(column, row);
            }
        }
        return expected;
    });
}

using ImageDrawTest = OpenScreenTest;

TEST_F(ImageDrawTest, CreateRoundsThePitchAndFillsEveryByteOfAnAlignedBlock) {
    const std::tuple<int32_t, uint32_t, std::optional<uint32_t>> cases[] = {
        {1, 16, 0x12345678}, {4, 16, 0}, {5, 32, 0x12345678}, {1073, 4304, std::nullopt}};
    for (const auto& [width, pitch, fill] : cases) {
        ImagePtr image = createImage(width, 3, fill);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(image.get()) % 16, 0u);
        const ImageHeader expected{kImageType, 4, static_cast<uint32_t>(width), 3, pitch, {}};
        EXPECT_EQ(std::memcmp(&image->header, &expected, sizeof expected), 0) << width;
        // Every pixel, the spare ones at each row's end included.
        const auto* area = reinterpret_cast<const uint32_t*>(image->pixelArea());
        EXPECT_EQ(std::count(area, area + pitch / 4 * 3, fill.value_or(0xFFFF00FF)), pitch / 4 * 3)
            << width;
    }
}

TEST_F(ImageDrawTest, BadSizesMissingImagesAndBrokenFontsDrawNothing) {
    const std::tuple<int32_t, int32_t, ErrorCode> refused[] = {
        {0, 10, ErrorCode::kIllegalCall},
        {10, -1, ErrorCode::kIllegalCall},
        {1 << 20, 1 << 10, ErrorCode::kOutOfMemory}};
    for (const auto& [width, height, code] : refused) {
        ErrorCode result = ErrorCode::kOk;
        EXPECT_EQ(createImage(width, height, std::nullopt, &result), nullptr);
        EXPECT_EQ(result, code) << width << "x" << height;
    }
    ImagePtr badVersion = makeFont();
    badVersion->pixelArea()[0] = 1;
    ImagePtr tooWide = makeFont();
    tooWide->pixelArea()[5] = 60;  // 65 columns claimed, 64 held
    for (const Image* bad : {badVersion.get(), tooWide.get(), static_cast<Image*>(nullptr)}) {
        EXPECT_EQ(drawFontText(0, 10, "A", bad), ErrorCode::kIllegalCall);
    }
    EXPECT_EQ(blit(0, 0, nullptr), ErrorCode::kIllegalCall);
    EXPECT_EQ(blitTransparent(0, 0, nullptr), ErrorCode::kIllegalCall);
    expectScreen([](int64_t, int64_t) { return kBackground; });
}

TEST_F(ImageDrawTest, CopiesClipAtEachEdgeAndMarkOnlyTheLinesDrawn) {
    // 32x32, every pixel different; every fifth the mask colour, under an
    // alpha of its own.
    ImagePtr image = createImage(32, 32);
    for (uint32_t i = 0; i < 32 * 32; ++i) {
        image->row(static_cast<int32_t>(i / 32))[i % 32] =
            i % 5 == 0 ? i << 24 | kMaskColour : 0xFF000000 | i << 4;
    }
    const std::tuple<int64_t, int64_t, Runs> cases[] = {{-10, -10, {{0, 21}}},
                                                        {630, 470, {{470, 479}}},
                                                        {-10, 460, {{460, 479}}},
                                                        {640, 0, {}},
                                                        {-32, 0, {}},
                                                        {0, 480, {}},
                                                        {0, -32, {}},
                                                        {3000000000, -3000000000, {}}};
    for (const auto& [caseLeft, caseTop, runs] : cases) {
        // Named copies: a lambda cannot capture a structured binding in clang 14.
        const int64_t left = caseLeft, top = caseTop;
        for (const bool keyed : {false, true}) {
            freshScreen();
            const auto x = static_cast<float>(left), y = static_cast<float>(top);
            EXPECT_EQ(keyed ? blitTransparent(x, y, image.get()) : blit(x, y, image.get()),
                      ErrorCode::kOk);
            EXPECT_EQ(changedRuns(), runs) << left << "," << top;
            expectScreen([&](int64_t sx, int64_t sy) {
                if (sx < left || sx >= left + 32 || sy < top || sy >= top + 32) return kBackground;
                const uint32_t source = image->row(static_cast<int32_t>(sy - top))[sx - left];
                // Keyed: the mask colour at any alpha is skipped, the rest drawn with alpha 0.
                if (!keyed) return source;
                return (source & 0x00FFFFFF) == kMaskColour ? kBackground : source & 0x00FFFFFF;
            });
        }
    }
}

TEST(KeyedRowCopy, VectorAndScalarAgreeForEveryLengthAndStart) {
    std::mt19937 generator(1234);
    std::vector<uint32_t> source(48), scalar(48), vector(48);
    for (int32_t trial = 0; trial < 2000; ++trial) {
        // From no mask pixels (under any alpha) to all, so that solid, clear
        // and mixed groups of pixels all occur.
        for (uint32_t& p : source) {
            const uint32_t value = generator();
            p = value % 4 < static_cast<uint32_t>(trial % 5) ? (value & 0xFF000000) | kMaskColour
                                                             : value;
        }
        for (size_t i = 0; i < scalar.size(); ++i) scalar[i] = vector[i] = generator();
        const int64_t count = trial % 41;
        const auto start = static_cast<size_t>(trial / 41 % 4);
        copyRowKeyedScalar(scalar.data() + start, source.data() + start, count);
        copyRowKeyed(vector.data() + start, source.data() + start, count);
        ASSERT_EQ(vector, scalar) << "count " << count << " start " << start;
    }
}

TEST_F(ImageDrawTest, FontTextSitsSideBySideClippedToTheScreen) {
    ImagePtr font = makeFont();
    const std::tuple<float, float, const char*, std::vector<Glyph>, Runs> cases[] = {
        {10, 20, "ABC", {{'A', 10}, {'B', 12}, {'C', 15}}, {{20, 23}}},
        // A code without a glyph moves the pen by the glyph rows drawn: four,
        // or two when two rows lie above the screen.
        {10, 20, "A?B", {{'A', 10}, {'B', 16}}, {{20, 23}}},
        {100, -2, "?A", {{'A', 102}}, {{0, 1}}},
        {-3, 50, "AB", {{'B', -1}}, {{50, 53}}},
        {638, 60, "BA", {{'B', 638}}, {{60, 63}}},
        {0, 478, "B", {{'B', 0}}, {{478, 479}}},
        {0, 480, "A", {}, {}},
    };
    for (const auto& [x, y, text, glyphs, runs] : cases) {
        freshScreen();
        EXPECT_EQ(drawFontText(x, y, text, font.get()), ErrorCode::kOk) << text;
        expectGlyphs(static_cast<int64_t>(y), glyphs);
        EXPECT_EQ(changedRuns(), runs) << text;
    }
}

TEST_F(ImageDrawTest, FontWidthsComeOnlyFromTheHeaderRow) {
    // 4 pixels wide, the header row holds widths for 13 codes. The font
    // claims Z..A: from N on, widths would come from the glyph row below.
    ImagePtr font = makeFont(4);
    uint8_t* header = font->pixelArea();
    header[1] = 'Z';
    header[2] = 'A';
    header[4] = header[5] = 0;  // only A has columns
    EXPECT_EQ(drawFontText(30, 40, "NA", font.get()), ErrorCode::kOk);
    expectGlyphs(40, {{'A', 30 + kGlyphRows}});
}

}  // namespace
}  // namespace kestrway
