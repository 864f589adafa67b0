// createImage and imageInfo: pitch rounding, alignment, fill of every byte
// and the null answers.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using ImageCreateTest = OpenScreenTest;

TEST_F(ImageCreateTest, FontSizedImageHasRoundedPitchAndMaskFillInEveryByte) {
    ErrorCode result = ErrorCode::kFileError;
    ImagePtr image = createImage(1073, 24, std::nullopt, &result);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(result, ErrorCode::kOk);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(image.get()) % 16, 0u);
    EXPECT_EQ(image->header.type, 7u);
    EXPECT_EQ(image->header.bytesPerPixel, 4u);
    EXPECT_EQ(image->header.width, 1073u);
    EXPECT_EQ(image->header.height, 24u);
    EXPECT_EQ(image->header.pitch, 4304u);
    const uint8_t zeros[12] = {};
    EXPECT_EQ(std::memcmp(image->header.reserved, zeros, sizeof zeros), 0);
    // Every byte, the three spare pixels at each row's end included.
    const uint8_t* area = image->pixelArea();
    const uint8_t pattern[4] = {0xFF, 0x00, 0xFF, 0xFF};
    for (size_t i = 0; i < size_t{4304} * 24; ++i) {
        ASSERT_EQ(area[i], pattern[i % 4]) << "byte " << i;
    }
}

TEST_F(ImageCreateTest, PitchRoundsWidthTimesFourUpToSixteen) {
    const std::pair<int32_t, uint32_t> cases[] = {{1, 16}, {4, 16}, {5, 32}, {32, 128}, {33, 144}};
    for (auto [width, pitch] : cases) {
        ImagePtr image = createImage(width, 2, 0xFF64FF64);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->header.pitch, pitch) << "width " << width;
        EXPECT_EQ(image->row(1)[pitch / 4 - 1], 0xFF64FF64u) << "spare pixel of width " << width;
    }
}

TEST_F(ImageCreateTest, RefusesEmptyAndOversizedImages) {
    ErrorCode result = ErrorCode::kOk;
    EXPECT_EQ(createImage(0, 10, std::nullopt, &result), nullptr);
    EXPECT_EQ(result, ErrorCode::kIllegalCall);
    EXPECT_EQ(createImage(10, -1, std::nullopt, &result), nullptr);
    EXPECT_EQ(result, ErrorCode::kIllegalCall);
    // Far more than any row arithmetic of the image could address.
    EXPECT_EQ(createImage(2147483647, 2147483647, std::nullopt, &result), nullptr);
    EXPECT_EQ(result, ErrorCode::kOutOfMemory);
    EXPECT_EQ(createImage(1 << 20, 1 << 10, std::nullopt, &result), nullptr);
    EXPECT_EQ(result, ErrorCode::kOutOfMemory);
}

TEST_F(ImageCreateTest, InfoReportsLayoutAndNullGivesMinusOnes) {
    ImagePtr image = createImage(32, 16, 0);
    ImageInfo info;
    EXPECT_EQ(imageInfo(image.get(), info), ErrorCode::kOk);
    EXPECT_EQ(info.width, 32);
    EXPECT_EQ(info.height, 16);
    EXPECT_EQ(info.bytesPerPixel, 4);
    EXPECT_EQ(info.pitch, 128);
    EXPECT_EQ(info.pixels, image->pixelArea());
    EXPECT_EQ(info.sizeBytes, 128 * 16 + 32);

    EXPECT_EQ(imageInfo(nullptr, info), ErrorCode::kIllegalCall);
    EXPECT_EQ(info.width, -1);
    EXPECT_EQ(info.height, -1);
    EXPECT_EQ(info.bytesPerPixel, -1);
    EXPECT_EQ(info.pitch, -1);
    EXPECT_EQ(info.pixels, nullptr);
    EXPECT_EQ(info.sizeBytes, -1);
}

TEST(ImageBeforeScreen, CreateGivesNullUntilTheScreenOpens) {
    headless::reset();
    ErrorCode result = ErrorCode::kOk;
    EXPECT_EQ(createImage(8, 8, std::nullopt, &result), nullptr);
    EXPECT_EQ(result, ErrorCode::kIllegalCall);
}

}  // namespace
}  // namespace kestrway
