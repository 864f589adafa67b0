// Files the loader must survive: narrow and empty component masks, heights
// and widths no real file has, and colour indices past the table's end.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "bmp_test_fixture.h"
#include "platform/bmp_pixels.h"

namespace kestrway::bmptest {
namespace {

using BmpBadInputTest = BmpTest;

TEST(ComponentScaling, RepeatsTheBitsOfNarrowComponents) {
    EXPECT_EQ(scaleComponent(0, 1), 0u);
    EXPECT_EQ(scaleComponent(1, 1), 255u);
    EXPECT_EQ(scaleComponent(1, 2), 0x55u);
    EXPECT_EQ(scaleComponent(2, 2), 0xAAu);
    EXPECT_EQ(scaleComponent(3, 2), 0xFFu);
    EXPECT_EQ(scaleComponent(5, 3), 0xB6u);  // 101 101 10
    EXPECT_EQ(scaleComponent(7, 3), 0xFFu);
    EXPECT_EQ(scaleComponent(0, 0), 0u);
    // From 4 to 7 bits the result is (v << (8 - n)) | (v >> (2n - 8)).
    for (uint32_t bits = 4; bits < 8; ++bits) {
        for (uint32_t v = 0; v < (1u << bits); ++v) {
            ASSERT_EQ(scaleComponent(v, bits), (v << (8 - bits)) | (v >> (2 * bits - 8)))
                << v << " of " << bits << " bits";
        }
    }
    EXPECT_EQ(scaleComponent(0xAB, 8), 0xABu);
    EXPECT_EQ(scaleComponent(0x3FF, 10), 0xFFu);
    EXPECT_EQ(scaleComponent(0x200, 10), 0x80u);
}

TEST(ComponentScaling, MasksGiveTheirPositionAndWidth) {
    const MaskedChannel red = maskedChannel(0x7C00);
    EXPECT_EQ(red.shift, 10u);
    EXPECT_EQ(red.bits, 5u);
    const MaskedChannel empty = maskedChannel(0);
    EXPECT_EQ(empty.bits, 0u);
    EXPECT_EQ(maskedChannel(0x80000000).shift, 31u);
}

TEST_F(BmpBadInputTest, OneBitAndEmptyMasksLoadWithoutOddShifts) {
    // 16 bits: 1-bit red at the top, 2-bit green, empty blue.
    BmpFields bmp;
    bmp.width = 3;
    bmp.height = 1;
    bmp.bitCount = 16;
    bmp.compression = 3;
    bmp.masks = {0x8000, 0x0003, 0};
    const uint32_t stored[] = {0x8000, 0x0002, 0xFFFF};
    bmp.pixels = packRows(3, 1, 16, [&](int32_t x, int32_t) { return stored[x]; });
    ImagePtr image = blank(3, 1);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFFFF0000, 0xFF00AA00, 0xFFFFFF00}));
}

TEST_F(BmpBadInputTest, MostNegativeHeightIsRefused) {
    BmpFields bmp;
    bmp.width = 1;
    bmp.height = std::numeric_limits<int32_t>::min();
    bmp.bitCount = 32;
    bmp.pixels = std::vector<uint8_t>(64, 0);
    ImagePtr image = blank(4, 4);
    EXPECT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*image));
}

TEST_F(BmpBadInputTest, HugeDimensionsCostNothingAndEndWhenTheRowsRunOut) {
    const auto started = std::chrono::steady_clock::now();
    // A row of 2^31 - 1 pixels at 32 bits is past 32-bit sizes; the file holds one row's worth of nothing.
    BmpFields wide;
    wide.width = std::numeric_limits<int32_t>::max();
    wide.height = std::numeric_limits<int32_t>::max();
    wide.bitCount = 32;
    wide.pixels = std::vector<uint8_t>(256, 0x11);
    ImagePtr image = blank(32, 32);
    EXPECT_EQ(loadExact(makeBmp(wide), image.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*image));

    // Top-first, a short row each: the rows the file holds are loaded, then the load ends.
    BmpFields tall;
    tall.width = 2;
    tall.height = -std::numeric_limits<int32_t>::max();
    tall.bitCount = 32;
    tall.pixels = packRows(2, 3, 32, [](int32_t, int32_t stored) { return 0xFF000000u + static_cast<uint32_t>(stored); });
    EXPECT_EQ(loadExact(makeBmp(tall), image.get()), ErrorCode::kFileError);
    EXPECT_EQ(image->row(2)[1], 0xFF000002u);
    EXPECT_EQ(image->row(3)[0], kUntouched);
    EXPECT_EQ(image->row(0)[2], kUntouched);

    // Bottom-first, the image's rows would come last, long after the file ends.
    tall.height = 3000000;
    ImagePtr other = blank(8, 8);
    EXPECT_EQ(loadExact(makeBmp(tall), other.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*other));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}

TEST_F(BmpBadInputTest, IndicesPastTheTableAreBlack) {
    // The header says the table has 2 entries; index 2 and 255 name none.
    BmpFields bmp;
    bmp.width = 4;
    bmp.height = 1;
    bmp.bitCount = 8;
    bmp.colorsUsed = 2;
    bmp.palette = {0x0000FF, 0x00FF00};
    const uint32_t stored[] = {0, 1, 2, 255};
    bmp.pixels = packRows(4, 1, 8, [&](int32_t x, int32_t) { return stored[x]; });
    ImagePtr image = blank(4, 1);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFF0000FF, 0xFF00FF00, 0xFF000000, 0xFF000000}));

    // Without a count, the table ends where the pixel rows begin.
    bmp.colorsUsed = 0;
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    EXPECT_EQ(image->row(0)[2], 0xFF000000u);

    // A count larger than 2^bits means the whole table.
    bmp.colorsUsed = 1000;
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    EXPECT_EQ(image->row(0)[1], 0xFF00FF00u);
}

TEST_F(BmpBadInputTest, FileEndingInsideTheTableIsReadOnlyToItsEnd) {
    // A 4-bit file whose table is cut after one and a half entries and
    // whose pixel offset points past the end: the load fails on the rows,
    // and no byte past the file is read (the buffer is exactly the file).
    BmpFields bmp;
    bmp.width = 2;
    bmp.height = 1;
    bmp.bitCount = 4;
    bmp.palette = {0x112233, 0x445566};
    bmp.pixelOffset = 200;
    std::vector<uint8_t> file = makeBmp(bmp);
    file.resize(14 + 40 + 6);
    ImagePtr image = blank(2, 1);
    EXPECT_EQ(loadExact(file, image.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*image));
}

TEST_F(BmpBadInputTest, PixelOffsetPastTheEndLeavesTheImage) {
    BmpFields bmp;
    bmp.width = 2;
    bmp.height = 2;
    bmp.bitCount = 24;
    bmp.pixels = std::vector<uint8_t>(16, 0x22);
    std::vector<uint8_t> file = makeBmp(bmp);
    putLittleEndian(file, 10, 0xFFFFFFF0u, 4);
    ImagePtr image = blank(2, 2);
    EXPECT_EQ(loadExact(file, image.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*image));
}

}  // namespace
}  // namespace kestrway::bmptest
