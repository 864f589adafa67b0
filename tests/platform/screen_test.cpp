// The screen: lock nesting, line marking, clearing, colours and built-in text;
// nothing drawn or read before it opens.
#include <gtest/gtest.h>

#include <thread>

#include "platform/keyboard.h"
#include "platform/screen_device.h"
#include "platform/timing.h"
#include "support/open_screen_fixture.h"
#include "support/text_check.h"

namespace kestrway {
namespace {

using ScreenTest = OpenScreenTest;

bool lockFreeForOtherThread() {
    bool free = false;
    std::thread other([&] {
        if (screenMutex().try_lock()) {
            free = true;
            screenMutex().unlock();
        }
    });
    other.join();
    return free;
}

int32_t changedLineCount() {
    int32_t count = 0;
    for (uint8_t flag : screenDevice().changedLines) count += flag;
    return count;
}

TEST(ScreenClosed, NothingIsDrawnOrReadBeforeTheScreenOpens) {
    headless::reset();
    headless::typeKey('a', 0.0);
    sleepMs(20);
    EXPECT_EQ(readKey(), "");
    EXPECT_EQ(isKeyDown(kScanEscape), 0);
    EXPECT_EQ(screenPixels(), nullptr);
    EXPECT_EQ(drawText(0, 0, "A"), ErrorCode::kIllegalCall);
    EXPECT_EQ(clearScreen(), ErrorCode::kIllegalCall);
    setWindowTitle(std::string(200, 'x'));
    EXPECT_EQ(screenDevice().title.size(), 127u);
}

// Only the outermost lock takes the mutex and only its unlock marks lines:
// valid ranges only, or every line when unlocked with the count already 0.
TEST_F(ScreenTest, LocksNestAndUnlockMarksOnlyValidLineRanges) {
    lockScreen();
    lockScreen();
    unlockScreen(-1, -1);
    EXPECT_FALSE(lockFreeForOtherThread());
    unlockScreen(-1, -1);
    EXPECT_TRUE(lockFreeForOtherThread());
    struct Case {
        int32_t first, last, marked;
    };
    for (const Case& c :
         {Case{10, 19, 10}, Case{20, 10, 0}, Case{0, 480, 0}, Case{470, -1, 10}, Case{-5, 4, 5}}) {
        headless::presentNow();  // takes every changed line
        lockScreen();
        unlockScreen(c.first, c.last);
        EXPECT_EQ(changedLineCount(), c.marked) << c.first << ".." << c.last;
    }
    headless::presentNow();
    unlockScreen(-1, -1);
    EXPECT_EQ(changedLineCount(), 480);
    EXPECT_TRUE(lockFreeForOtherThread());
    EXPECT_EQ(screenDevice().lockCount, 0u);
}

TEST_F(ScreenTest, ColoursAreKeptByBitAndClearFillsWithTheBackground) {
    EXPECT_EQ(setColors(0xFFFF0000, 0, 2), 0xFFFFFFFFu);
    EXPECT_EQ(setColors(0, 0xFF000064, 1), 0xFFFF0000u);
    clearScreen();
    EXPECT_EQ(pixel(0, 0), 0xFF000064u);
    headless::presentNow();
    EXPECT_EQ(headless::presentedPixel(320, 240), 0xFF000064u);
}

TEST_F(ScreenTest, TextWritesOnlyGlyphBitsAndClipsAtEveryEdge) {
    setColors(0xFF00FF00, 0xFF102030, 0);
    clearScreen();
    headless::presentNow();
    drawText(140, 4, "AB");
    EXPECT_TRUE(showsText(140, 4, "AB", 0xFF00FF00, 0xFF102030));
    EXPECT_EQ(changedLineCount(), 16);
    // Mostly off the left and the bottom, then off the right and the top:
    // only the visible parts of those cells change.
    drawText(-12, 470, "WWW");
    drawText(636, -8, "MM");
    int32_t lit = 0;
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; ++x) {
            const bool inAB = x >= 140 && x < 156 && y >= 4 && y < 20;
            if (pixel(x, y) == 0xFF102030u || inAB) continue;
            ++lit;
            EXPECT_TRUE((x < 12 && y >= 470) || (x >= 636 && y < 8)) << x << "," << y;
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_EQ(pixelCoordinate(1.9f), 1);
    EXPECT_EQ(pixelCoordinate(-0.5f), -1);
    EXPECT_EQ(pixelCoordinate(-0.4f), 0);
}

}  // namespace
}  // namespace kestrway
