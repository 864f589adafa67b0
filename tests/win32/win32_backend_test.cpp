// The Windows backend's key table, message translation, picture drawing
// and clock.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/keyboard.h"
#include "platform/paused_band.h"
#include "platform/screen_device.h"
#include "platform/win32/present_lines.h"
#include "platform/win32/system_clock.h"
#include "platform/win32/virtual_keys.h"
#include "platform/win32/window_messages.h"

namespace kestrway {
namespace {

constexpr LPARAM kRepeat = LPARAM{1} << 30;
constexpr LPARAM kAlt = LPARAM{1} << 29;

std::vector<uint32_t> typed(const WindowInput& input) {
    return {input.typedCodes.begin(), input.typedCodes.begin() + input.typedCount};
}

TEST(Win32Keys, TheGamesKeysAndTheKeypadArrowsReadAsTheirScanCodes) {
    std::array<uint8_t, 256> keyboard{};
    keyboard[VK_NUMPAD8] = 0x80;
    keyboard[VK_LEFT] = 0x81;   // held, toggled bit set too
    keyboard[VK_SPACE] = 0x01;  // only toggled: not held
    keyboard[VK_ESCAPE] = 0x80;
    KeyStates expected{};
    expected[kScanUp] = expected[kScanLeft] = expected[kScanEscape] = 1;
    EXPECT_EQ(heldKeysFrom(keyboard), expected);
    const std::pair<uint32_t, int32_t> codes[] = {
        {VK_UP, 72},    {VK_NUMPAD2, 80}, {VK_DOWN, 80},  {VK_NUMPAD4, 75}, {VK_NUMPAD6, 77},
        {VK_RIGHT, 77}, {VK_SPACE, 57},   {VK_ESCAPE, 1}, {0xFF, 0}};
    for (const auto& [key, code] : codes) {
        EXPECT_EQ(pcScanCode(key), code) << key;
    }
}

TEST(Win32Messages, CharactersAndCharacterlessKeysBecomeTheGamesCodes) {
    WindowInput input;
    WindowFocus focus;
    EXPECT_TRUE(translateMessage(WM_CHAR, ' ', 0, input, focus));
    translateMessage(WM_CHAR, 27, 0, input, focus);      // Escape types its control character
    translateMessage(WM_CHAR, 0xE9, 0, input, focus);    // e acute: Latin-1
    translateMessage(WM_CHAR, 0x20AC, 0, input, focus);  // the euro sign has no byte: dropped
    EXPECT_TRUE(translateMessage(WM_KEYDOWN, VK_UP, 0, input, focus));
    translateMessage(WM_KEYDOWN, VK_LEFT, kRepeat, input, focus);  // repeats count
    // Keys with a character come again as WM_CHAR; their key-down is left alone.
    EXPECT_FALSE(translateMessage(WM_KEYDOWN, 'A', 0, input, focus));
    EXPECT_FALSE(translateMessage(WM_KEYDOWN, VK_ESCAPE, 0, input, focus));
    // The close button, handled (the default handling would destroy the
    // window), adds the close key once per press and nothing else.
    EXPECT_TRUE(translateMessage(WM_CLOSE, 0, 0, input, focus));
    EXPECT_TRUE(translateMessage(WM_CLOSE, 0, 0, input, focus));
    EXPECT_EQ(typed(input),
              (std::vector<uint32_t>{32, 27, 0xE9, 0x48FF, 0x4BFF, kCloseKeyCode, kCloseKeyCode}));
    EXPECT_FALSE(input.toggleFullscreen || input.focusChanged || input.redraw);
    // A full pass keeps its first codes and drops the rest: 25 of these 40 fit after the 7 above.
    for (uint32_t c = 1; c <= 40; ++c) translateMessage(WM_CHAR, c, 0, input, focus);
    ASSERT_EQ(input.typedCount, static_cast<int32_t>(input.typedCodes.size()));
    EXPECT_EQ(input.typedCodes.back(), 25u);
}

TEST(Win32Messages, F11AndAltEnterToggleOncePerPressAndTypeNothing) {
    WindowFocus focus;
    for (const auto& [message, key, bits] : {std::tuple{WM_KEYDOWN, VK_F11, LPARAM{0}},
                                             {WM_SYSKEYDOWN, VK_RETURN, kAlt},
                                             {WM_SYSKEYDOWN, VK_F11, kAlt}}) {
        WindowInput input;
        EXPECT_TRUE(translateMessage(message, key, bits, input, focus));
        EXPECT_TRUE(input.toggleFullscreen) << key;
        WindowInput repeated;
        translateMessage(message, key, bits | kRepeat, repeated, focus);
        EXPECT_FALSE(repeated.toggleFullscreen) << key;
        EXPECT_EQ(input.typedCount + repeated.typedCount, 0);
    }
    // Alt+Enter's character is swallowed (it would beep); Alt alone must not
    // open the system menu's keyboard mode; Alt+F4 goes on to closing.
    WindowInput input;
    EXPECT_TRUE(translateMessage(WM_SYSCHAR, VK_RETURN, kAlt, input, focus));
    EXPECT_TRUE(translateMessage(WM_SYSCOMMAND, SC_KEYMENU, 0, input, focus));
    EXPECT_FALSE(translateMessage(WM_SYSKEYDOWN, VK_F4, kAlt, input, focus));
    EXPECT_TRUE(translateMessage(WM_SYSKEYDOWN, VK_F10, 0, input, focus));
    EXPECT_EQ(typed(input), (std::vector<uint32_t>{extendedKeyCode(68)}));
}

// Activation is a focus change only when the state flips. P and M act once per press, not per
// repeat, and leave their letters to WM_CHAR.
TEST(Win32Messages, FocusChangesOnlyOnAFlipAndPAndMActOncePerPress) {
    WindowInput input;
    WindowFocus focus;
    EXPECT_FALSE(translateMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0, input, focus));
    EXPECT_TRUE(focus.active && input.focusChanged);
    input.clear();
    translateMessage(WM_ACTIVATE, WA_ACTIVE, 0, input, focus);
    EXPECT_FALSE(input.focusChanged);
    translateMessage(WM_ACTIVATE, WA_INACTIVE, 0, input, focus);
    EXPECT_TRUE(!focus.active && input.focusChanged);

    EXPECT_FALSE(translateMessage(WM_KEYDOWN, 'M', 0, input, focus));
    translateMessage(WM_KEYDOWN, 'M', kRepeat, input, focus);
    translateMessage(WM_KEYDOWN, 'M', 0, input, focus);
    EXPECT_EQ(input.soundKeyPresses, 2);
    translateMessage(WM_KEYDOWN, 'P', kRepeat, input, focus);
    EXPECT_FALSE(input.pausePressed);
    translateMessage(WM_KEYDOWN, VK_PAUSE, 0, input, focus);
    EXPECT_TRUE(input.pausePressed);
    EXPECT_EQ(input.typedCount, 0);
    input.clear();
    EXPECT_EQ(input.soundKeyPresses, 0);
}

// The changed lines and the "Paused" band through GDI into a 32-bit picture at 1:1 and twice the
// screen's size, with and without bars above and below: outside the band the game's colour, in it
// the colour darkened and the word white, each picture pixel a square; the bars untouched; the
// screen page keeps the game's pixels. (The sound line's band, drawn the same way, is checked on
// the real window.)
TEST(Win32Picture, PausedBandOverTheScaledPictureNotOnThePage) {
    for (const auto& [width, height] : {std::pair{1280, 960}, {1280, 1024}, {640, 600}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const HDC dc = CreateCompatibleDC(nullptr);
        const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_TRUE(dc != nullptr && bitmap != nullptr);
        const HGDIOBJ before = SelectObject(dc, bitmap);

        ScreenDevice& screen = screenDevice();
        screen.pages = std::make_unique<uint32_t[]>(kScreenWidth * kScreenHeight * kScreenPages);
        screen.work = screen.pages.get();
        std::fill_n(screen.work, kScreenWidth * kScreenHeight, 0xFF804020u);
        markLinesChanged(0, kScreenHeight - 1);
        const PictureFit picture = fitPicture(width, height);
        const int32_t scale = picture.wholeScale;
        ASSERT_GT(scale, 0);
        EXPECT_TRUE(presentChangedLines(dc, picture));
        EXPECT_FALSE(presentChangedLines(dc, picture)) << "nothing left to send";
        PausedBand band;
        presentPausedBand(dc, picture, band);
        GdiFlush();

        const auto* shown = static_cast<const uint32_t*>(bits);
        const auto at = [&](int32_t x, int32_t y) { return shown[y * width + x] & 0xFFFFFFu; };
        const int32_t bandTop = picture.top + scale * kPausedBandTop;
        const int32_t bandBottom = bandTop + scale * kPausedBandHeight;
        EXPECT_EQ(at(0, picture.top), 0x804020u);
        EXPECT_EQ(at(width - 1, picture.top + picture.height - 1), 0x804020u);
        EXPECT_EQ(at(0, bandTop - 1), 0x804020u);
        EXPECT_EQ(at(0, bandBottom), 0x804020u);
        if (picture.top > 0) {
            EXPECT_EQ(at(0, picture.top - 1), 0u) << "bar above";
            EXPECT_EQ(at(0, picture.top + picture.height), 0u) << "bar below";
        }
        int32_t mismatches = 0;
        int32_t white = 0;
        for (int32_t y = bandTop; y < bandBottom; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                const int32_t row = (y - picture.top) / scale;
                const uint32_t expected = bandWordCovers("Paused", kPausedBandTop, x / scale, row)
                                              ? 0xFFFFFFu
                                              : 0x201008u;
                mismatches += at(x, y) == expected ? 0 : 1;
                white += expected == 0xFFFFFFu ? 1 : 0;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(white, 200 * scale * scale);
        EXPECT_EQ(std::count(screen.work, screen.work + kScreenWidth * kScreenHeight, 0xFF804020u),
                  kScreenWidth * kScreenHeight);

        resetScreenDevice();
        SelectObject(dc, before);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
}

TEST(Win32Clock, CountsSecondsForwardLikeTheTickCount) {
    requestFineTimer();
    const double start = systemSeconds();
    const ULONGLONG startTicks = GetTickCount64();
    Sleep(50);
    const double seconds = systemSeconds() - start;
    const double tickSeconds = static_cast<double>(GetTickCount64() - startTicks) * 0.001;
    releaseFineTimer();
    EXPECT_GE(seconds, 0.045);
    EXPECT_NEAR(seconds, tickSeconds, 0.035);
}

}  // namespace
}  // namespace kestrway
