// blit and blitTransparent: clipping at every edge, the pixel rules, the
// lines marked changed and the illegal calls.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen_device.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

constexpr uint32_t kBackground = 0xFF000000;

class BlitTest : public OpenScreenTest {
protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        forgetChangedLines();
    }

    static void forgetChangedLines() {
        takeChangedLineRuns([](int32_t, int32_t) {});
    }

    // A 32x32 image whose every pixel is different, opaque and never the mask colour.
    static ImagePtr numberedImage() {
        ImagePtr image = createImage(32, 32);
        for (int32_t y = 0; y < 32; ++y) {
            for (int32_t x = 0; x < 32; ++x) {
                image->row(y)[x] = 0xFF000000u | static_cast<uint32_t>(y + 1) << 8 |
                                   static_cast<uint32_t>(x + 1);
            }
        }
        return image;
    }

    // The whole screen shows the image at (left, top) over the background.
    static void expectImageAt(const Image& image, int32_t left, int32_t top) {
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            for (int32_t x = 0; x < kScreenWidth; ++x) {
                const int32_t ix = x - left;
                const int32_t iy = y - top;
                const bool inside = ix >= 0 && iy >= 0 && ix < static_cast<int32_t>(image.header.width) &&
                                    iy < static_cast<int32_t>(image.header.height);
                const uint32_t expected = inside ? image.row(iy)[ix] : kBackground;
                ASSERT_EQ(pixel(x, y), expected) << "at " << x << "," << y;
            }
        }
    }

    static std::vector<std::pair<int32_t, int32_t>> changedRuns() {
        std::vector<std::pair<int32_t, int32_t>> runs;
        takeChangedLineRuns([&](int32_t first, int32_t last) { runs.emplace_back(first, last); });
        return runs;
    }
};

using Runs = std::vector<std::pair<int32_t, int32_t>>;

TEST_F(BlitTest, ClipsAtTheTopLeftCorner) {
    ImagePtr image = numberedImage();
    EXPECT_EQ(blit(-10, -10, image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(0, 0), image->row(10)[10]);
    expectImageAt(*image, -10, -10);
    EXPECT_EQ(changedRuns(), (Runs{{0, 21}}));
}

TEST_F(BlitTest, ClipsAtTheBottomRightCorner) {
    ImagePtr image = numberedImage();
    EXPECT_EQ(blit(630, 470, image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(639, 479), image->row(9)[9]);
    expectImageAt(*image, 630, 470);
    EXPECT_EQ(changedRuns(), (Runs{{470, 479}}));
}

TEST_F(BlitTest, ImagesJustOutsideTheViewDrawNothing) {
    ImagePtr image = numberedImage();
    const std::pair<float, float> outside[] = {{640, 0}, {-32, 0}, {0, 480}, {0, -32}};
    for (auto [x, y] : outside) {
        EXPECT_EQ(blit(x, y, image.get()), ErrorCode::kOk);
        EXPECT_EQ(blitTransparent(x, y, image.get()), ErrorCode::kOk);
    }
    expectImageAt(*image, 10000, 10000);
    EXPECT_TRUE(changedRuns().empty());
}

TEST_F(BlitTest, FarAwayCoordinatesDoNotOverflow) {
    ImagePtr image = numberedImage();
    EXPECT_EQ(blit(3.0e9f, -3.0e9f, image.get()), ErrorCode::kOk);
    EXPECT_EQ(blitTransparent(2147483520.0f, 0, image.get()), ErrorCode::kOk);
    expectImageAt(*image, 10000, 10000);
}

TEST_F(BlitTest, OpaqueCopyKeepsAlphaAndMaskColour) {
    ImagePtr image = createImage(2, 1);
    image->row(0)[0] = 0xFF102030;
    image->row(0)[1] = 0x00FF00FF;
    EXPECT_EQ(blit(5, 7, image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(5, 7), 0xFF102030u);
    EXPECT_EQ(pixel(6, 7), 0x00FF00FFu);
    EXPECT_EQ(changedRuns(), (Runs{{7, 7}}));
}

TEST_F(BlitTest, TransparentCopySkipsMaskColourAtAnyAlphaAndClearsAlpha) {
    ImagePtr image = createImage(5, 1);
    uint32_t* row = image->row(0);
    row[0] = 0x00FF00FF;
    row[1] = 0xFFFF00FF;
    row[2] = 0x7FFF00FF;
    row[3] = 0xFF64FF64;
    row[4] = 0x00FF00FE;  // one step from the mask colour: drawn
    EXPECT_EQ(blitTransparent(-0.4f, 3, image.get()), ErrorCode::kOk);  // -0.4 is pixel 0
    EXPECT_EQ(pixel(0, 3), kBackground);
    EXPECT_EQ(pixel(1, 3), kBackground);
    EXPECT_EQ(pixel(2, 3), kBackground);
    EXPECT_EQ(pixel(3, 3), 0x0064FF64u);
    EXPECT_EQ(pixel(4, 3), 0x00FF00FEu);
    EXPECT_EQ(changedRuns(), (Runs{{3, 3}}));
}

TEST_F(BlitTest, TransparentCopyClipsLikeTheOpaqueOne) {
    ImagePtr image = numberedImage();
    EXPECT_EQ(blitTransparent(-10, 460, image.get()), ErrorCode::kOk);
    EXPECT_EQ(pixel(0, 460), image->row(0)[10] & 0x00FFFFFF);
    EXPECT_EQ(pixel(21, 479), image->row(19)[31] & 0x00FFFFFF);
    EXPECT_EQ(pixel(22, 479), kBackground);
    EXPECT_EQ(pixel(0, 459), kBackground);
    EXPECT_EQ(changedRuns(), (Runs{{460, 479}}));
}

TEST_F(BlitTest, NullOrForeignImagesAreIllegal) {
    EXPECT_EQ(blit(0, 0, nullptr), ErrorCode::kIllegalCall);
    EXPECT_EQ(blitTransparent(0, 0, nullptr), ErrorCode::kIllegalCall);
    ImagePtr image = numberedImage();
    image->header.bytesPerPixel = 2;
    EXPECT_EQ(blit(0, 0, image.get()), ErrorCode::kIllegalCall);
    EXPECT_EQ(blitTransparent(0, 0, image.get()), ErrorCode::kIllegalCall);
    EXPECT_EQ(pixel(0, 0), kBackground);
    EXPECT_TRUE(changedRuns().empty());
}

TEST_F(BlitTest, LeavesTheLockAsItFoundIt) {
    ImagePtr image = numberedImage();
    lockScreen();
    EXPECT_EQ(blit(0, 0, image.get()), ErrorCode::kOk);
    EXPECT_EQ(blitTransparent(0, 0, image.get()), ErrorCode::kOk);
    EXPECT_EQ(screenDevice().lockCount, 1u);
    unlockScreenUnmarked();
    EXPECT_EQ(screenDevice().lockCount, 0u);
}

TEST(BlitBeforeScreen, CopiesAreIllegalUntilTheScreenOpens) {
    headless::reset();
    openScreen();
    ImagePtr image = createImage(4, 4);
    headless::reset();
    EXPECT_EQ(blit(0, 0, image.get()), ErrorCode::kIllegalCall);
    EXPECT_EQ(blitTransparent(0, 0, image.get()), ErrorCode::kIllegalCall);
}

}  // namespace
}  // namespace kestrway
