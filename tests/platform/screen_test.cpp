// The screen: lock nesting, line marking, clearing, colours and built-in text.
#include <gtest/gtest.h>

#include <thread>

#include "platform/builtin_font.h"
#include "platform/screen_device.h"
#include "support/open_screen_fixture.h"

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

TEST(ScreenClosed, NothingIsDrawnBeforeTheScreenOpens) {
    headless::reset();
    EXPECT_EQ(screenPixels(), nullptr);
    EXPECT_EQ(drawText(0, 0, "A"), ErrorCode::kIllegalCall);
    EXPECT_EQ(clearScreen(), ErrorCode::kIllegalCall);
    ScreenInfo info;
    EXPECT_EQ(getScreenInfo(info), ErrorCode::kIllegalCall);
}

TEST_F(ScreenTest, OpenGivesTheFixedModeAndBlackPages) {
    ScreenInfo info;
    ASSERT_EQ(getScreenInfo(info), ErrorCode::kOk);
    EXPECT_EQ(info.width, 640);
    EXPECT_EQ(info.height, 480);
    EXPECT_EQ(info.depth, 32);
    EXPECT_EQ(info.bytesPerPixel, 4);
    EXPECT_EQ(info.pitch, 2560);
    EXPECT_EQ(pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(pixel(639, 479), 0xFF000000u);
}

TEST_F(ScreenTest, LockIsTakenAtTheOutermostLevelOnly) {
    EXPECT_TRUE(lockFreeForOtherThread());
    lockScreen();
    lockScreen();
    EXPECT_FALSE(lockFreeForOtherThread());
    unlockScreen(-1, -1);
    EXPECT_FALSE(lockFreeForOtherThread());
    unlockScreen(-1, -1);
    EXPECT_TRUE(lockFreeForOtherThread());
    EXPECT_EQ(screenDevice().lockCount, 0u);
}

TEST_F(ScreenTest, UnlockMarksOnlyValidLineRanges) {
    headless::presentNow();  // takes every changed line
    ASSERT_EQ(changedLineCount(), 0);

    unlockScreen(-1, -1);  // count already 0: marks all, nothing else
    EXPECT_EQ(changedLineCount(), 480);
    EXPECT_EQ(screenDevice().lockCount, 0u);
    headless::presentNow();

    lockScreen();
    unlockScreen(10, 19);
    EXPECT_EQ(changedLineCount(), 10);
    headless::presentNow();

    lockScreen();
    unlockScreen(20, 10);  // last below first: nothing
    EXPECT_EQ(changedLineCount(), 0);
    lockScreen();
    unlockScreen(0, 480);  // last beyond the screen: nothing
    EXPECT_EQ(changedLineCount(), 0);
    lockScreen();
    unlockScreen(470, -1);  // negative last means 479
    EXPECT_EQ(changedLineCount(), 10);
    EXPECT_TRUE(lockFreeForOtherThread());
}

TEST_F(ScreenTest, SetColorsKeepsWhatTheBitsSayAndReturnsTheOldForeground) {
    EXPECT_EQ(setColors(0xFFFF0000, 0, 2), 0xFFFFFFFFu);
    EXPECT_EQ(screenDevice().foreground, 0xFFFF0000u);
    EXPECT_EQ(screenDevice().background, 0xFF000000u);
    EXPECT_EQ(setColors(0, 0xFF000064, 1), 0xFFFF0000u);
    EXPECT_EQ(screenDevice().foreground, 0xFFFF0000u);
    clearScreen();
    EXPECT_EQ(pixel(0, 0), 0xFF000064u);
    EXPECT_EQ(pixel(639, 479), 0xFF000064u);
    headless::presentNow();
    EXPECT_EQ(headless::presentedPixel(320, 240), 0xFF000064u);
}

TEST_F(ScreenTest, TitleKeepsItsFirst127Characters) {
    setWindowTitle(std::string(200, 'x'));
    EXPECT_EQ(screenDevice().title.size(), 127u);
}

TEST_F(ScreenTest, TextWritesOnlyTheGlyphBitsInsideItsCells) {
    setColors(0xFF00FF00, 0xFF102030, 0);
    clearScreen();
    headless::presentNow();
    drawText(140, 4, "AB");
    const uint8_t* glyphs[2] = {builtinGlyph('A'), builtinGlyph('B')};
    int32_t setBits = 0;
    for (int32_t y = 0; y < 30; ++y) {
        for (int32_t x = 120; x < 180; ++x) {
            const bool inCell = x >= 140 && x < 156 && y >= 4 && y < 20;
            bool bit = false;
            if (inCell) {
                const int32_t column = (x - 140) % 8;
                bit = (glyphs[(x - 140) / 8][y - 4] >> column) & 1;
            }
            setBits += bit;
            EXPECT_EQ(pixel(x, y), bit ? 0xFF00FF00u : 0xFF102030u) << x << "," << y;
        }
    }
    EXPECT_GT(setBits, 20);  // the font really has strokes
    EXPECT_EQ(changedLineCount(), 16);
}

TEST_F(ScreenTest, TextClipsAtEveryEdgeWithoutTouchingOutside) {
    clearScreen();
    // Mostly off the left and the bottom, then off the right: no crash, and
    // only the visible part of each cell changes.
    drawText(-12, 470, "WWW");
    drawText(636, -8, "MM");
    int32_t lit = 0;
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; ++x) {
            if (pixel(x, y) != 0xFF000000u) {
                ++lit;
                const bool bottomLeft = x < 12 && y >= 470;
                const bool topRight = x >= 636 && y < 8;
                EXPECT_TRUE(bottomLeft || topRight) << x << "," << y;
            }
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_EQ(drawText(640, 0, "X"), ErrorCode::kOk);
    EXPECT_EQ(drawText(-8, 0, "X"), ErrorCode::kOk);
}

TEST(PixelCoordinate, TruncatesAboveZeroAndRoundsDownAtOrBelow) {
    EXPECT_EQ(pixelCoordinate(1.9f), 1);
    EXPECT_EQ(pixelCoordinate(-0.4f), 0);
    EXPECT_EQ(pixelCoordinate(-0.5f), -1);
    EXPECT_EQ(pixelCoordinate(-3.0f), -3);
    EXPECT_EQ(pixelCoordinate(1.0e30f), 2000000000);
}

}  // namespace
}  // namespace kestrway
