// RLE8 and RLE4 files: runs, absolute runs, end-of-line, delta and
// end-of-bitmap codes, and streams that break off or overrun the picture.
#include <gtest/gtest.h>

#include "bmp_test_fixture.h"

namespace kestrway::bmptest {
namespace {

constexpr uint32_t kC0 = 0xFF000000;  // table: index i is 0xFF0000ii
uint32_t colour(uint32_t index) { return kC0 | index; }

class BmpRleTest : public BmpTest {
protected:
    // A 6x3 picture with a 16-entry table whose entry i is the colour i.
    static std::vector<uint8_t> rleFile(uint16_t bits, std::vector<uint8_t> stream, int32_t height = 3) {
        BmpFields bmp;
        bmp.width = 6;
        bmp.height = height;
        bmp.bitCount = bits;
        bmp.compression = bits == 8 ? 1 : 2;
        for (uint32_t i = 0; i < 16; ++i) bmp.palette.push_back(i);
        bmp.pixels = std::move(stream);
        return makeBmp(bmp);
    }

    static std::vector<uint32_t> row(const Image& image, int32_t y) {
        return {image.row(y), image.row(y) + image.header.width};
    }
};

constexpr uint32_t kU = kUntouched;

TEST_F(BmpRleTest, Rle8DecodesRunsAbsoluteRunsDeltasAndLineEnds) {
    const std::vector<uint8_t> stream = {
        3, 1, 0, 3, 7, 8, 9, 0,  // bottom row: run of three 1s, absolute 7 8 9 plus a pad byte
        0, 0,                    // end of line
        0, 2, 2, 0,              // delta two right on the middle row
        2, 4,                    // run of two 4s at x 2
        0, 0,                    // end of line, the rest of the row skipped
        1, 5, 0, 1,              // top row: one 5, end of bitmap
    };
    ImagePtr image = blank(6, 3);
    ASSERT_EQ(loadExact(rleFile(8, stream), image.get()), ErrorCode::kOk);
    EXPECT_EQ(row(*image, 2), (std::vector<uint32_t>{colour(1), colour(1), colour(1), colour(7), colour(8), colour(9)}));
    EXPECT_EQ(row(*image, 1), (std::vector<uint32_t>{kU, kU, colour(4), colour(4), kU, kU}));
    EXPECT_EQ(row(*image, 0), (std::vector<uint32_t>{colour(5), kU, kU, kU, kU, kU}));
}

TEST_F(BmpRleTest, Rle4AlternatesTheTwoIndicesOfEachByte) {
    const std::vector<uint8_t> stream = {
        5, 0x12,             // 1 2 1 2 1
        0, 0,
        0, 3, 0xAB, 0xC0,    // absolute 3 pixels: A B C, two bytes, already even
        0, 2, 1, 1,          // delta one right, one up: top row at x 4
        2, 0xEF,             // E F
        0, 1,
    };
    ImagePtr image = blank(6, 3);
    ASSERT_EQ(loadExact(rleFile(4, stream), image.get()), ErrorCode::kOk);
    EXPECT_EQ(row(*image, 2), (std::vector<uint32_t>{colour(1), colour(2), colour(1), colour(2), colour(1), kU}));
    EXPECT_EQ(row(*image, 1), (std::vector<uint32_t>{colour(10), colour(11), colour(12), kU, kU, kU}));
    EXPECT_EQ(row(*image, 0), (std::vector<uint32_t>{kU, kU, kU, kU, colour(14), colour(15)}));
}

TEST_F(BmpRleTest, Rle4OddAbsoluteRunIsPaddedToAWord) {
    // Five pixels take three bytes, plus one pad byte, before the next code.
    const std::vector<uint8_t> stream = {0, 5, 0x12, 0x34, 0x50, 0xFF, 1, 0x66, 0, 1};
    ImagePtr image = blank(6, 3);
    ASSERT_EQ(loadExact(rleFile(4, stream), image.get()), ErrorCode::kOk);
    EXPECT_EQ(row(*image, 2), (std::vector<uint32_t>{colour(1), colour(2), colour(3), colour(4), colour(5), colour(6)}));
}

TEST_F(BmpRleTest, SmallerImageTakesTheTopLeftOfTheDecodedPicture) {
    const std::vector<uint8_t> stream = {6, 1, 0, 0, 6, 2, 0, 0, 6, 3, 0, 1};
    ImagePtr image = blank(4, 2);
    ASSERT_EQ(loadExact(rleFile(8, stream), image.get()), ErrorCode::kOk);
    EXPECT_EQ(row(*image, 0), (std::vector<uint32_t>(4, colour(3))));
    EXPECT_EQ(row(*image, 1), (std::vector<uint32_t>(4, colour(2))));
}

TEST_F(BmpRleTest, BrokenStreamsEndWithAFileErrorKeepingWhatWasDecoded) {
    const std::vector<std::vector<uint8_t>> broken = {
        {6, 1, 0, 0},                  // ends without end of bitmap
        {6, 1, 0, 0, 3, 2, 4, 3},      // a run past the row's end
        {6, 1, 0, 0, 0, 4, 1, 1, 1},   // an absolute run cut short
        {6, 1, 0, 2, 0, 5, 1, 2},      // a delta above the top row
        {6, 1, 0, 2, 7, 0},            // a delta past the right edge
        {6, 1, 0, 0, 0, 0, 0, 0, 1, 2},  // a run above the top row
        {6, 1, 0},                     // a code cut in half
    };
    for (size_t i = 0; i < broken.size(); ++i) {
        ImagePtr image = blank(6, 3);
        EXPECT_EQ(loadExact(rleFile(8, broken[i]), image.get()), ErrorCode::kFileError) << "case " << i;
        EXPECT_EQ(row(*image, 2), std::vector<uint32_t>(6, colour(1))) << "case " << i;
    }
    ImagePtr image = blank(6, 3);
    EXPECT_EQ(loadExact(rleFile(4, {6, 0x11, 0, 0, 7, 0x22, 0, 1}), image.get()), ErrorCode::kFileError);
    EXPECT_EQ(row(*image, 2), std::vector<uint32_t>(6, colour(1)));
    EXPECT_EQ(row(*image, 1), std::vector<uint32_t>(6, kU));
}

TEST_F(BmpRleTest, TopDownRleIsRefused) {
    ImagePtr image = blank(6, 3);
    EXPECT_EQ(loadExact(rleFile(8, {6, 1, 0, 1}, -3), image.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*image));
}

}  // namespace
}  // namespace kestrway::bmptest
