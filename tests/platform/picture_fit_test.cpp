// The picture's fit in a rectangle of device pixels: its size and bars for
// odd, tiny, huge and whole-number sizes, and which device rows and columns
// each picture row and column covers.
#include "platform/picture_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/screen.h"

namespace kestrway {
namespace {

TEST(PictureFit, SizeBarsAndWholeScale) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t width, height;
        int32_t left, top, pictureWidth, pictureHeight, wholeScale;
    } cases[] = {
        {640, 480, 0, 0, 640, 480, 1},
        {1280, 960, 0, 0, 1280, 960, 2},
        {1280, 1024, 0, 32, 1280, 960, 2},
        {1920, 1440, 0, 0, 1920, 1440, 3},
        {641, 480, 0, 0, 640, 480, 1},  // one over: the odd pixel goes to the far bar
        {640, 481, 0, 0, 640, 480, 1},
        {1279, 960, 0, 0, 1279, 959, 0},  // one under a whole scale
        {1281, 960, 0, 0, 1280, 960, 2},
        {1280, 720, 160, 0, 960, 720, 0},  // wide: bars left and right
        {640, 1000, 0, 260, 640, 480, 1},  // tall: bars above and below
        {700, 479, 31, 0, 638, 479, 0},
        {1, 1, 0, 0, 1, 0, 0},  // tiny: nothing of a row fits
        {3, 2, 0, 0, 2, 2, 0},
        {0, 0, 0, 0, 0, 0, 0},  // minimised
        {-5, 480, 0, 0, 0, 0, 0},
        {kMax, kMax, 0, 268435456, kMax, 1610612735, 0},
        {kMax, 3, 1073741821, 0, 4, 3, 0},
    };
    for (const auto& c : cases) {
        const PictureFit fit = fitPicture(c.width, c.height);
        const PictureFit expected{c.width,        c.height,        c.left,      c.top,
                                  c.pictureWidth, c.pictureHeight, c.wholeScale};
        EXPECT_EQ(fit, expected) << c.width << "x" << c.height << ": got " << fit.left << ","
                                 << fit.top << " " << fit.width << "x" << fit.height << " k"
                                 << fit.wholeScale;
    }
}

// Each device row shows the picture row its top edge falls in, and the rows
// of consecutive picture rows meet without gap or overlap; the same for
// columns. Checked at 1:1, whole-number scales, 1.5 and 0.75 times, a size
// that shares no factor with the picture's, and a tiny one.
TEST(PictureFit, RowsAndColumnsEachPictureLineCovers) {
    const std::pair<int32_t, int32_t> sizes[] = {{640, 480},  {1280, 960}, {1920, 1440},
                                                 {960, 720},  {480, 360},  {1024, 768},
                                                 {1279, 959}, {997, 641},  {3, 2}};
    for (const auto& [width, height] : sizes) {
        const PictureFit fit = fitPicture(width, height);
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        EXPECT_EQ(deviceRowOf(fit, 0), 0);
        EXPECT_EQ(deviceRowOf(fit, kScreenHeight), fit.height);
        EXPECT_EQ(deviceColumnOf(fit, 0), 0);
        EXPECT_EQ(deviceColumnOf(fit, kScreenWidth), fit.width);
        for (int32_t y = 0; y < fit.height; ++y) {
            const int32_t row = pictureRowAt(fit, y);
            ASSERT_TRUE(deviceRowOf(fit, row) <= y && y < deviceRowOf(fit, row + 1)) << "y " << y;
        }
        for (int32_t x = 0; x < fit.width; ++x) {
            const int32_t column = pictureColumnAt(fit, x);
            ASSERT_TRUE(deviceColumnOf(fit, column) <= x && x < deviceColumnOf(fit, column + 1))
                << "x " << x;
        }
        if (fit.wholeScale > 0) {
            EXPECT_EQ(deviceRowOf(fit, 123), 123 * fit.wholeScale);
            EXPECT_EQ(deviceColumnOf(fit, 457), 457 * fit.wholeScale);
        }
    }
    // At 1.5 times rows take two and one device rows in turn, the two first;
    // at 0.75 times every fourth picture row covers none.
    const PictureFit larger = fitPicture(960, 720);
    EXPECT_EQ((std::array{deviceRowOf(larger, 1), deviceRowOf(larger, 2), deviceRowOf(larger, 3)}),
              (std::array{2, 3, 5}));
    const PictureFit smaller = fitPicture(480, 360);
    EXPECT_EQ((std::array{deviceRowOf(smaller, 1), deviceRowOf(smaller, 3), deviceRowOf(smaller, 4),
                          pictureRowAt(smaller, 1)}),
              (std::array{1, 3, 3, 1}));
}

}  // namespace
}  // namespace kestrway
