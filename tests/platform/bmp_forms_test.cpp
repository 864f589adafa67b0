// Every BMP form the loader accepts: colour-table depths, masked depths,
// bit fields, each header size, row order, and files larger or smaller
// than the image.
#include <gtest/gtest.h>

#include "bmp_test_fixture.h"

namespace kestrway::bmptest {
namespace {

constexpr int32_t kWidth = 13;  // odd, so rows need padding and packed bytes end part-full
constexpr int32_t kHeight = 5;

// A palette where entry i is a distinct colour.
std::vector<uint32_t> numberedPalette(int entries) {
    std::vector<uint32_t> palette;
    for (int i = 0; i < entries; ++i) palette.push_back(0x010203u * static_cast<uint32_t>(i + 1) ^ 0x405060u);
    return palette;
}

using BmpFormsTest = BmpTest;

TEST_F(BmpFormsTest, ColourTableDepthsUnpackFromTheHighBits) {
    for (uint16_t bits : {1, 2, 4, 8}) {
        const int entries = 1 << bits;
        auto index = [&](int32_t x, int32_t pictureRow) {
            return static_cast<uint32_t>(x * 7 + pictureRow * 3) % static_cast<uint32_t>(entries);
        };
        BmpFields bmp;
        bmp.width = kWidth;
        bmp.height = kHeight;
        bmp.bitCount = bits;
        bmp.palette = numberedPalette(entries);
        bmp.pixels = packRows(kWidth, kHeight, bits,
                               [&](int32_t x, int32_t stored) { return index(x, kHeight - 1 - stored); });
        ImagePtr image = blank(16, 8);
        ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk) << bits << " bits";
        for (int32_t y = 0; y < 8; ++y) {
            for (int32_t x = 0; x < 16; ++x) {
                const uint32_t expected = x < kWidth && y < kHeight
                                              ? 0xFF000000u | bmp.palette[index(x, y)]
                                              : kUntouched;
                ASSERT_EQ(image->row(y)[x], expected) << bits << " bits at " << x << "," << y;
            }
        }
    }
}

TEST_F(BmpFormsTest, CoreHeaderHasThreeByteTableEntries) {
    BmpFields bmp;
    bmp.headerSize = 12;
    bmp.width = 3;
    bmp.height = 2;
    bmp.bitCount = 8;
    bmp.palette = {0x112233, 0x445566, 0x778899};
    bmp.pixels = packRows(3, 2, 8, [](int32_t x, int32_t stored) { return static_cast<uint32_t>(x + stored) % 3; });
    ImagePtr image = blank(3, 2);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    // Stored row 1 is the top picture row.
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFF445566, 0xFF778899, 0xFF112233,  //
                                                       0xFF112233, 0xFF445566, 0xFF778899}));

    BmpFields masked;
    masked.headerSize = 12;
    masked.width = 2;
    masked.height = 1;
    masked.bitCount = 24;
    masked.pixels = packRows(2, 1, 24, [](int32_t x, int32_t) { return x == 0 ? 0xABCDEFu : 0x010203u; });
    ImagePtr opaque = blank(2, 1);
    ASSERT_EQ(loadExact(makeBmp(masked), opaque.get()), ErrorCode::kOk);
    EXPECT_EQ(pixelsOf(*opaque), (std::vector<uint32_t>{0xFFABCDEF, 0xFF010203}));
}

TEST_F(BmpFormsTest, SixteenBitsDefaultToFiveFiveFive) {
    BmpFields bmp;
    bmp.width = 4;
    bmp.height = 1;
    bmp.bitCount = 16;
    const uint32_t stored[] = {0x7FFF, 0x7C00, 0x0021, 0x8000};
    bmp.pixels = packRows(4, 1, 16, [&](int32_t x, int32_t) { return stored[x]; });
    ImagePtr image = blank(4, 1);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    // 5-bit 1 becomes 8 | 0 = 8; the top bit of a 5-5-5 pixel is ignored.
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFF0000, 0xFF000808, 0xFF000000}));
}

TEST_F(BmpFormsTest, BitFieldsAfterAFortyByteHeader) {
    BmpFields bmp;
    bmp.width = 3;
    bmp.height = 1;
    bmp.bitCount = 16;
    bmp.compression = 3;
    bmp.masks = {0xF800, 0x07E0, 0x001F};
    const uint32_t stored[] = {0xF800, 0x07E0, 0x0821};  // red, green, and 1/1/1
    bmp.pixels = packRows(3, 1, 16, [&](int32_t x, int32_t) { return stored[x]; });
    ImagePtr image = blank(3, 1);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    // 6-bit 1 becomes 4 | 0; 5-bit 1 becomes 8 | 0; 16 bits are always opaque.
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF080408}));

    BmpFields wide;
    wide.width = 1;
    wide.height = 1;
    wide.bitCount = 32;
    wide.compression = 3;
    wide.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    wide.pixels = packRows(1, 1, 32, [](int32_t, int32_t) { return 0xFF332211u; });
    ImagePtr swapped = blank(1, 1);
    ASSERT_EQ(loadExact(makeBmp(wide), swapped.get()), ErrorCode::kOk);
    // No alpha mask in a 40-byte header: alpha 0.
    EXPECT_EQ(swapped->row(0)[0], 0x00112233u);
}

TEST_F(BmpFormsTest, LongerHeadersCarryFourMasksUsedOnlyWithBitFields) {
    for (uint32_t headerSize : {56u, 108u, 124u}) {
        BmpFields bmp;
        bmp.headerSize = headerSize;
        bmp.width = 1;
        bmp.height = 1;
        bmp.bitCount = 32;
        bmp.compression = 3;
        bmp.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
        bmp.pixels = packRows(1, 1, 32, [](int32_t, int32_t) { return 0x11223344u; });
        ImagePtr image = blank(1, 1);
        ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk) << headerSize;
        EXPECT_EQ(image->row(0)[0], 0x44332211u) << headerSize;

        bmp.compression = 0;  // the same masks are now ignored
        ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk) << headerSize;
        EXPECT_EQ(image->row(0)[0], 0x11223344u) << headerSize;
    }
}

TEST_F(BmpFormsTest, ThirtyTwoBitPlainKeepsTheFourthByteAsAlpha) {
    BmpFields bmp;
    bmp.width = 2;
    bmp.height = 1;
    bmp.bitCount = 32;
    bmp.pixels = packRows(2, 1, 32, [](int32_t x, int32_t) { return x == 0 ? 0x00204020u : 0x7F000000u; });
    ImagePtr image = blank(2, 1);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixelsOf(*image), (std::vector<uint32_t>{0x00204020, 0x7F000000}));
}

TEST_F(BmpFormsTest, TopDownRowsRunDownward) {
    for (uint16_t bits : {8, 32}) {
        BmpFields bmp;
        bmp.width = 2;
        bmp.height = -3;
        bmp.bitCount = bits;
        if (bits == 8) bmp.palette = {0x000000, 0x0000AA, 0x0000BB};
        bmp.pixels = packRows(2, 3, bits, [&](int32_t, int32_t stored) {
            return bits == 8 ? static_cast<uint32_t>(stored) : 0xFF000000u | static_cast<uint32_t>(stored);
        });
        ImagePtr image = blank(2, 3);
        ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
        for (int32_t y = 0; y < 3; ++y) {
            const uint32_t expected = bits == 8 ? 0xFF000000u | bmp.palette[static_cast<size_t>(y)]
                                                : 0xFF000000u | static_cast<uint32_t>(y);
            EXPECT_EQ(image->row(y)[1], expected) << bits << " bits, row " << y;
        }
    }
}

TEST_F(BmpFormsTest, LargerPictureGivesItsTopLeftPart) {
    // 40x40 bottom-first 24-bit into 32x32: pixel value names its picture position.
    BmpFields bmp;
    bmp.width = 40;
    bmp.height = 40;
    bmp.bitCount = 24;
    bmp.pixels = packRows(40, 40, 24, [](int32_t x, int32_t stored) {
        return static_cast<uint32_t>(39 - stored) << 8 | static_cast<uint32_t>(x);
    });
    ImagePtr image = blank(32, 32);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            ASSERT_EQ(image->row(y)[x], 0xFF000000u | static_cast<uint32_t>(y) << 8 | static_cast<uint32_t>(x));
        }
    }
    EXPECT_EQ(image->header.width, 32u);
    EXPECT_EQ(image->header.height, 32u);
}

TEST_F(BmpFormsTest, SmallerPictureChangesOnlyItsOwnCorner) {
    BmpFields bmp;
    bmp.width = 16;
    bmp.height = 16;
    bmp.bitCount = 24;
    bmp.pixels = packRows(16, 16, 24, [](int32_t, int32_t) { return 0x123456u; });
    ImagePtr image = blank(32, 32);
    ASSERT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kOk);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            ASSERT_EQ(image->row(y)[x], x < 16 && y < 16 ? 0xFF123456u : kUntouched) << x << "," << y;
        }
    }
}

TEST_F(BmpFormsTest, HeadersWeDoNotReadLeaveTheImageUnchanged) {
    BmpFields good;
    good.width = 2;
    good.height = 2;
    good.bitCount = 24;
    good.pixels = std::vector<uint8_t>(16, 0x40);
    auto changed = [&](auto change) {
        BmpFields bmp = good;
        change(bmp);
        return makeBmp(bmp);
    };
    std::vector<std::vector<uint8_t>> refused = {
        changed([](BmpFields& s) { s.headerSize = 64; }),
        changed([](BmpFields& s) { s.headerSize = 16; }),
        changed([](BmpFields& s) { s.planes = 2; }),
        changed([](BmpFields& s) { s.width = 0; }),
        changed([](BmpFields& s) { s.width = -2; }),
        changed([](BmpFields& s) { s.height = 0; }),
        changed([](BmpFields& s) { s.compression = 4; }),
        changed([](BmpFields& s) { s.bitCount = 64; }),
        changed([](BmpFields& s) { s.bitCount = 12; }),  // no defined layout
        changed([](BmpFields& s) { s.bitCount = 0; }),
        changed([](BmpFields& s) { s.compression = 1; }),  // RLE8 needs 8 bits
        changed([](BmpFields& s) { s.height = -2, s.compression = 1, s.bitCount = 8; }),
    };
    refused.push_back(makeBmp(good));
    putLittleEndian(refused.back(), 10, 0, 4);  // no pixel-row offset
    ImagePtr image = blank(2, 2);
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(loadExact(refused[i], image.get()), ErrorCode::kFileError) << "case " << i;
    }
    EXPECT_TRUE(allUntouched(*image));

    std::vector<uint8_t> file = makeBmp(good);
    ASSERT_EQ(loadExact(file, image.get()), ErrorCode::kOk);  // the base case itself loads
    ImagePtr other = blank(2, 2);
    file[1] = 'A';
    EXPECT_EQ(loadExact(file, other.get()), ErrorCode::kFileError);
    file[0] = 0xFE;
    EXPECT_EQ(loadExact(file, other.get()), ErrorCode::kFileError);
    EXPECT_EQ(loadExact(std::vector<uint8_t>(file.begin(), file.begin() + 20), other.get()),
              ErrorCode::kFileError);
    EXPECT_EQ(loadExact({}, other.get()), ErrorCode::kFileError);
    EXPECT_TRUE(allUntouched(*other));
}

TEST_F(BmpFormsTest, ShortFileKeepsTheRowsReadBeforeIt) {
    // Bottom-first 4x4: the stored rows present are picture rows 3 and 2.
    BmpFields bmp;
    bmp.width = 4;
    bmp.height = 4;
    bmp.bitCount = 32;
    bmp.pixels = packRows(4, 2, 32, [](int32_t, int32_t stored) { return 0xFF000010u + static_cast<uint32_t>(stored); });
    ImagePtr image = blank(4, 4);
    EXPECT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kFileError);
    EXPECT_EQ(image->row(3)[0], 0xFF000010u);
    EXPECT_EQ(image->row(2)[3], 0xFF000011u);
    EXPECT_EQ(image->row(1)[0], kUntouched);
    EXPECT_EQ(image->row(0)[0], kUntouched);

    // Top-first: a file cut inside its third row fills rows 0 and 1 only.
    bmp.height = -4;
    bmp.pixels = packRows(4, 3, 32, [](int32_t, int32_t stored) { return 0xFF000020u + static_cast<uint32_t>(stored); });
    bmp.pixels.resize(bmp.pixels.size() - 1);
    ImagePtr topDown = blank(4, 4);
    EXPECT_EQ(loadExact(makeBmp(bmp), topDown.get()), ErrorCode::kFileError);
    EXPECT_EQ(topDown->row(0)[0], 0xFF000020u);
    EXPECT_EQ(topDown->row(1)[3], 0xFF000021u);
    EXPECT_EQ(topDown->row(2)[0], kUntouched);
}

TEST_F(BmpFormsTest, IllegalWithoutScreenOrImage) {
    BmpFields bmp;
    bmp.width = 1;
    bmp.height = 1;
    bmp.bitCount = 24;
    bmp.pixels = std::vector<uint8_t>(4, 0);
    EXPECT_EQ(loadExact(makeBmp(bmp), nullptr), ErrorCode::kIllegalCall);
    ImagePtr image = blank(1, 1);
    headless::reset();
    EXPECT_EQ(loadExact(makeBmp(bmp), image.get()), ErrorCode::kIllegalCall);
    EXPECT_TRUE(allUntouched(*image));
}

}  // namespace
}  // namespace kestrway::bmptest
