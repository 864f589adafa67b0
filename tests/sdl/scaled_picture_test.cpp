// Our own scaler of the picture into a window's pixels: where the picture sits, whole-number and
// other scales, only changed lines redrawn, the "Paused" band, and windows smaller than the
// picture.
#include "platform/sdl/scaled_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/paused_band.h"
#include "platform/screen_device.h"

namespace kestrway {
namespace {

// A screen page whose every pixel tells where it is: 0x00YYYXXX-like, distinct per pixel.
uint32_t patternAt(int32_t x, int32_t y) {
    return static_cast<uint32_t>(y) << 12 | static_cast<uint32_t>(x);
}

struct Fixture {
    Fixture() {
        ScreenDevice& screen = screenDevice();
        screen.pages = std::make_unique<uint32_t[]>(kScreenWidth * kScreenHeight * kScreenPages);
        screen.work = screen.pages.get();
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            for (int32_t x = 0; x < kScreenWidth; ++x) at(x, y) = patternAt(x, y);
        }
        markLinesChanged(0, kScreenHeight - 1);
    }
    ~Fixture() { resetScreenDevice(); }
    static uint32_t& at(int32_t x, int32_t y) {
        return screenDevice().work[static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)];
    }
};

struct Window {
    Window(int32_t width, int32_t height)
        : pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0xDEADBEEFu),
          view{pixels.data(), width, width, height} {}
    uint32_t at(int32_t x, int32_t y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(view.pitch) +
                      static_cast<size_t>(x)];
    }
    std::vector<uint32_t> pixels;
    WindowPixels view;
};

// The largest picture of the picture's shape that fits, centred, as SDL's renderers place it.
TEST(ScaledPicture, LayoutFitsThePictureKeepingItsShape) {
    const struct {
        int32_t width, height;
        PictureLayout expected;
    } cases[] = {
        {640, 480, {640, 480, 0, 0, 640, 480}},     {1280, 1024, {1280, 1024, 0, 32, 1280, 960}},
        {1280, 720, {1280, 720, 160, 0, 960, 720}}, {3840, 2160, {3840, 2160, 480, 0, 2880, 2160}},
        {700, 479, {700, 479, 31, 0, 638, 479}},    {320, 240, {320, 240, 0, 0, 320, 240}},
        {160, 200, {160, 200, 0, 40, 160, 120}},    {400, 120, {400, 120, 120, 0, 160, 120}},
    };
    for (const auto& [width, height, expected] : cases) {
        const PictureLayout layout = layoutPicture(width, height);
        EXPECT_EQ(layout, expected) << width << "x" << height << ": got " << layout.left << ","
                                    << layout.top << " " << layout.width << "x" << layout.height;
    }
}

// At 1280x1024 each picture pixel is a 2x2 square, with 32-row black bars above and below. A
// second draw sends only the changed picture row: its two window rows, nothing else rewritten.
TEST(ScaledPicture, SquarePixelsAndOnlyChangedRowsRedrawn) {
    Fixture fixture;
    ScaledPicture picture;
    Window window(1280, 1024);
    ASSERT_TRUE(picture.copyChangedLines());
    const auto first = picture.draw(window.view, false);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].w * first[0].h, 1280 * 1024) << "a first draw covers the whole window";
    for (const auto& [x, y] : {std::pair{0, 0}, {639, 479}, {123, 45}, {320, 240}}) {
        for (const int32_t corner : {0, 1, 2, 3}) {
            EXPECT_EQ(window.at(2 * x + corner % 2, 32 + 2 * y + corner / 2), patternAt(x, y))
                << x << "," << y;
        }
    }
    EXPECT_EQ(window.at(0, 0), 0u);
    EXPECT_EQ(window.at(1279, 1023), 0u);

    std::fill(window.pixels.begin(), window.pixels.end(), 0xDEADBEEFu);
    Fixture::at(7, 100) = 0x00ABCDEFu;
    markLinesChanged(100, 100);
    ASSERT_TRUE(picture.copyChangedLines());
    EXPECT_FALSE(picture.copyChangedLines()) << "nothing left to copy";
    const auto second = picture.draw(window.view, false);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_TRUE(second[0].x == 0 && second[0].y == 232 && second[0].w == 1280 && second[0].h == 2);
    const auto rewritten = std::count_if(window.pixels.begin(), window.pixels.end(),
                                         [](uint32_t pixel) { return pixel != 0xDEADBEEFu; });
    EXPECT_EQ(rewritten, 2 * 1280);
    EXPECT_EQ(window.at(15, 233), 0x00ABCDEFu);
    EXPECT_EQ(window.at(16, 233), patternAt(8, 100));
    EXPECT_TRUE(picture.draw(window.view, false).empty()) << "nothing changed, nothing sent";
}

// A window half the picture's size shows every second pixel; at 1.5 times, picture pixels take
// two and one window pixels in turn; a window of another size is drawn whole at once, bars
// included.
TEST(ScaledPicture, OtherScalesAndResize) {
    Fixture fixture;
    ScaledPicture picture;
    picture.copyChangedLines();
    Window small(320, 240);
    picture.draw(small.view, false);
    for (const auto& [x, y] : {std::pair{0, 0}, {319, 239}, {100, 50}}) {
        EXPECT_EQ(small.at(x, y), patternAt(2 * x, 2 * y)) << x << "," << y;
    }
    Window wide(1280, 720);
    const auto areas = picture.draw(wide.view, false);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].w * areas[0].h, 1280 * 720);
    EXPECT_EQ(wide.at(159, 200), 0u) << "left bar";
    EXPECT_EQ(wide.at(1120, 200), 0u) << "right bar";
    for (const auto& [x, y, sourceX, sourceY] : {std::tuple{160, 0, 0, 0},
                                                 {161, 1, 0, 0},
                                                 {162, 2, 1, 1},
                                                 {163, 3, 2, 2},
                                                 {1119, 719, 639, 479}}) {
        EXPECT_EQ(wide.at(x, y), patternAt(sourceX, sourceY)) << x << "," << y;
    }
}

// The band darkens the middle rows and writes the word white; hiding it again brings back the
// exact picture. Rows outside the band are never touched by it.
TEST(ScaledPicture, PausedBandComesAndGoes) {
    Fixture fixture;
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        std::fill_n(&Fixture::at(0, y), kScreenWidth, 0x00804020u);
    }
    ScaledPicture picture;
    picture.copyChangedLines();
    Window window(640, 480);
    picture.draw(window.view, false);
    picture.setPausedLine(true);
    const auto shown = picture.draw(window.view, false);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].y == kPausedBandTop && shown[0].h == kPausedBandHeight);
    EXPECT_EQ(window.at(0, kPausedBandTop - 1), 0x00804020u);
    EXPECT_EQ(window.at(0, kPausedBandTop), 0x00201008u) << "a quarter shows through";
    int64_t white = 0;
    for (int32_t y = kPausedBandTop; y < kPausedBandTop + kPausedBandHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            EXPECT_EQ(window.at(x, y) == 0x00FFFFFFu, pausedWordCovers(x, y)) << x << "," << y;
            white += window.at(x, y) == 0x00FFFFFFu ? 1 : 0;
        }
    }
    EXPECT_GT(white, 200);
    picture.setPausedLine(false);
    picture.draw(window.view, false);
    EXPECT_TRUE(std::all_of(window.pixels.begin(), window.pixels.end(),
                            [](uint32_t pixel) { return pixel == 0x00804020u; }));
}

}  // namespace
}  // namespace kestrway
