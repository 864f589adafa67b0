// The screen's state shared by the platform core and the backends. Game
// code never includes this; it uses screen.h.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/keyboard.h"
#include "platform/screen.h"

namespace kestrway {

struct ScreenView {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = kScreenWidth;
    int32_t height = kScreenHeight;
};

// 16 typed key codes; holds at most 15 unread, dropping the oldest.
struct KeyRing {
    std::array<uint32_t, kKeyBufferSlots> codes{};
    int32_t writeIndex = 0;
    int32_t readIndex = 0;
};

struct ScreenDevice {
    bool open = false;
    std::unique_ptr<uint32_t[]> pages;  // kScreenPages pages of 640 x 480
    uint32_t* work = nullptr;           // page 0: drawn on and shown
    std::array<uint8_t, kScreenHeight> changedLines{};
    uint32_t lockCount = 0;
    uint32_t foreground = 0xFFFFFFFF;
    uint32_t background = 0xFF000000;
    ScreenView view;
    int32_t textRow = 1;
    int32_t textColumn = 1;
    int32_t cursorX = kScreenWidth / 2;
    int32_t cursorY = kScreenHeight / 2;
    std::string title;
    bool titleSet = false;
    // Filled by the presenter under the lock, read by the game under it.
    std::array<uint8_t, kKeyStateCount> keyStates{};
    KeyRing keys;
    bool keyPressed = false;
};

ScreenDevice& screenDevice();
// The platform lock: held by the game from a frame's first lockScreen to its
// last unlockScreen, and by the presenter for each pass.
std::mutex& screenMutex();

// Marks lines first..last (already clipped to 0..479) changed.
void markLinesChanged(int32_t first, int32_t last);
// Drops one lock level without marking lines: drawing operations mark what
// they drew themselves.
void unlockScreenUnmarked();
// Called on the game thread right after each outermost unlock has released
// the platform lock; null (the default) for none. The headless backend's
// test option uses it to present at the worst moment a presenter could pick.
void setScreenReleasedHook(void (*hook)());

// Presenter side, called with screenMutex() held.
// The close code also lifts the frame hold, so the game can end.
void addKeyCode(uint32_t code);
void setKeyStates(const std::array<uint8_t, kKeyStateCount>& states);
// Focus gained or lost, or the window minimised or restored: no key reads as
// held, the whole picture is sent again, and frames are held while the
// window is not attended (focused and not minimised).
void focusChanged(bool attended);
// Calls send(first, last) for every run of changed lines and clears them.
template <typename Send>
void takeChangedLineRuns(Send&& send) {
    ScreenDevice& device = screenDevice();
    int32_t y = 0;
    while (y < kScreenHeight) {
        if (device.changedLines[static_cast<size_t>(y)] == 0) {
            ++y;
            continue;
        }
        const int32_t first = y;
        while (y < kScreenHeight && device.changedLines[static_cast<size_t>(y)] != 0) {
            device.changedLines[static_cast<size_t>(y)] = 0;
            ++y;
        }
        send(first, y - 1);
    }
}

// Back to the state before openScreen (tests run many programs in one process).
void resetScreenDevice();

}  // namespace kestrway
