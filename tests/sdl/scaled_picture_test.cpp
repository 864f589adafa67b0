// Our own scaler of the picture into a window's pixels: every window pixel at 1:1, whole-number
// and other scales, resizes, only changed lines redrawn, and the "Paused" band on each way of
// scaling.
#include "platform/sdl/scaled_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/paused_band.h"
#include "platform/picture_fit.h"
#include "platform/screen_device.h"

namespace kestrway {
namespace {

// A screen page whose every pixel tells where it is, distinct per pixel.
uint32_t patternAt(int32_t x, int32_t y) {
    return static_cast<uint32_t>(y) << 12 | static_cast<uint32_t>(x);
}

constexpr uint32_t kUntouched = 0xDEADBEEFu;

struct Screen {
    Screen() {
        ScreenDevice& screen = screenDevice();
        screen.pages = std::make_unique<uint32_t[]>(kScreenWidth * kScreenHeight * kScreenPages);
        screen.work = screen.pages.get();
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            for (int32_t x = 0; x < kScreenWidth; ++x) at(x, y) = patternAt(x, y);
        }
        markLinesChanged(0, kScreenHeight - 1);
    }
    ~Screen() { resetScreenDevice(); }
    static uint32_t& at(int32_t x, int32_t y) {
        return screenDevice().work[static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)];
    }
};

// A window whose rows are longer than it is wide, as a surface's pitch may be.
struct Window {
    Window(int32_t width, int32_t height)
        : pixels(static_cast<size_t>(width + 3) * static_cast<size_t>(height), kUntouched),
          view{pixels.data(), width + 3, width, height} {}
    uint32_t at(int32_t x, int32_t y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(view.pitch) +
                      static_cast<size_t>(x)];
    }
    int64_t touched() const {
        return std::count_if(pixels.begin(), pixels.end(),
                             [](uint32_t pixel) { return pixel != kUntouched; });
    }
    std::vector<uint32_t> pixels;
    WindowPixels view;
};

// What window pixel (x, y) should show: black in the bars, else the page's pixel (or the band's
// when `band`) the fit's nearest-pixel rule picks.
uint32_t expectedAt(const PictureFit& fit, int32_t x, int32_t y, bool band) {
    if (x < fit.left || x >= fit.left + fit.width || y < fit.top || y >= fit.top + fit.height) {
        return 0u;
    }
    const int32_t column = pictureColumnAt(fit, x - fit.left);
    const int32_t row = pictureRowAt(fit, y - fit.top);
    if (band && row >= kPausedBandTop && row < kPausedBandTop + kPausedBandHeight) {
        std::vector<uint32_t> shaded(kScreenWidth);
        drawPausedBandRow(row, &Screen::at(0, row), shaded.data());
        return shaded[static_cast<size_t>(column)];
    }
    return Screen::at(column, row);
}

// The number of window pixels that differ from what they should show.
int64_t wrongPixels(const Window& window, bool band) {
    const PictureFit fit = fitPicture(window.view.width, window.view.height);
    int64_t wrong = 0;
    for (int32_t y = 0; y < window.view.height; ++y) {
        for (int32_t x = 0; x < window.view.width; ++x) {
            wrong += window.at(x, y) == expectedAt(fit, x, y, band) ? 0 : 1;
        }
    }
    return wrong;
}

const std::pair<int32_t, int32_t> kWindowSizes[] = {
    {640, 480}, {1280, 1024}, {1920, 1440}, {2560, 1920}, {1024, 768},  {1280, 720},
    {700, 479}, {320, 240},   {1279, 959},  {161, 120},   {2559, 1919}, {3000, 2160},
};

// One scaler through windows of every size in turn: each new size is drawn whole (one area) with
// the picture and its bars though no line changed; a changed line then rewrites exactly the
// window rows the fit gives it, nothing is sent when nothing changed, and a whole redraw asked
// for covers the window again.
TEST(ScaledPicture, NewSizesWholeThenOnlyChangedRows) {
    const Screen screen;
    ScaledPicture picture;
    for (const auto& [width, height] : kWindowSizes) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        Window window(width, height);
        const auto first = picture.drawChangedLines(window.view, false, false);
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0].w * first[0].h, width * height) << "a first draw covers the window";
        EXPECT_EQ(wrongPixels(window, false), 0);

        std::fill(window.pixels.begin(), window.pixels.end(), kUntouched);
        for (int32_t x = 0; x < kScreenWidth; ++x) Screen::at(x, 101) ^= 0x00ABCDEFu;
        markLinesChanged(100, 101);
        const auto second = picture.drawChangedLines(window.view, false, false);
        const PictureFit fit = fitPicture(width, height);
        const int32_t top = fit.top + deviceRowOf(fit, 100);
        const int32_t rows = deviceRowOf(fit, 102) - deviceRowOf(fit, 100);
        ASSERT_EQ(second.size(), 1u);
        EXPECT_TRUE(second[0].x == fit.left && second[0].y == top && second[0].w == fit.width &&
                    second[0].h == rows)
            << second[0].x << "," << second[0].y << " " << second[0].w << "x" << second[0].h;
        EXPECT_EQ(window.touched(), int64_t{rows} * fit.width);
        for (int32_t y = top; y < top + rows; ++y) {
            for (int32_t x = fit.left; x < fit.left + fit.width; ++x) {
                ASSERT_EQ(window.at(x, y), expectedAt(fit, x, y, false)) << x << "," << y;
            }
        }
        EXPECT_TRUE(picture.drawChangedLines(window.view, false, false).empty())
            << "nothing changed, nothing sent";
        std::fill(window.pixels.begin(), window.pixels.end(), kUntouched);
        const auto whole = picture.drawChangedLines(window.view, false, true);
        ASSERT_EQ(whole.size(), 1u);
        EXPECT_EQ(window.touched(), int64_t{width} * height) << "a whole redraw covers the window";
    }
}

// The band darkens its rows and writes the word white on every way of scaling; showing and hiding
// it redraws just its rows, and hiding it brings back the exact picture. The page is never drawn
// on.
TEST(ScaledPicture, PausedBandComesAndGoesOnEveryScale) {
    for (const auto& [width, height] : {std::pair{640, 480}, {1280, 960}, {1024, 768}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        const Screen screen;
        ScaledPicture picture;
        Window window(width, height);
        picture.drawChangedLines(window.view, false, false);
        const PictureFit fit = fitPicture(width, height);
        const int32_t bandTop = fit.top + deviceRowOf(fit, kPausedBandTop);
        const int32_t bandRows =
            deviceRowOf(fit, kPausedBandTop + kPausedBandHeight) - deviceRowOf(fit, kPausedBandTop);
        for (const bool shown : {true, false}) {
            const auto areas = picture.drawChangedLines(window.view, shown, false);
            ASSERT_EQ(areas.size(), 1u);
            EXPECT_TRUE(areas[0].y == bandTop && areas[0].h == bandRows);
            EXPECT_EQ(wrongPixels(window, shown), 0);
        }
        markLinesChanged(kPausedBandTop + 3, kPausedBandTop + 3);
        picture.drawChangedLines(window.view, true, false);
        picture.drawChangedLines(window.view, true, true);
        EXPECT_EQ(wrongPixels(window, true), 0) << "a changed line in the band keeps the band";
        EXPECT_EQ(Screen::at(0, kPausedBandTop), patternAt(0, kPausedBandTop));
    }
}

}  // namespace
}  // namespace kestrway
