// Translation of window messages into the game's typed key codes and
// window actions.
#include "platform/win32/window_messages.h"

#include "platform/keyboard.h"
#include "platform/win32/virtual_keys.h"

namespace kestrway {
namespace {

// Bits of a key message's lParam.
constexpr LPARAM kAltHeldBit = LPARAM{1} << 29;
constexpr LPARAM kWasDownBit = LPARAM{1} << 30;

// Keys that type no character but still reach the game, as 255 + 256 x
// their set-1 code. Escape, Enter, Backspace and Tab type their control
// characters and come through WM_CHAR.
bool isCharacterlessKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
        case VK_F1:
        case VK_F2:
        case VK_F3:
        case VK_F4:
        case VK_F5:
        case VK_F6:
        case VK_F7:
        case VK_F8:
        case VK_F9:
        case VK_F10:
        case VK_F12:
            return true;
        default:
            return false;
    }
}

void noteFullscreenToggle(LPARAM lParam, WindowInput& input) {
    // Repeats of a held toggle key would make the window flicker.
    if ((lParam & kWasDownBit) == 0) input.toggleFullscreen = true;
}

bool translateKeyDown(WPARAM virtualKey, LPARAM lParam, WindowInput& input) {
    constexpr LPARAM kRepeatBit = LPARAM{1} << 30;
    if ((virtualKey == 'P' || virtualKey == VK_PAUSE) && (lParam & kRepeatBit) == 0) {
        input.pausePressed = true;
    }
    // Like P, M still types its letter; no screen of the game answers it.
    if (virtualKey == 'M' && (lParam & kRepeatBit) == 0) ++input.soundKeyPresses;
    if (virtualKey == VK_F11) {
        noteFullscreenToggle(lParam, input);
        return true;
    }
    if (isCharacterlessKey(virtualKey)) {
        input.addTyped(extendedKeyCode(static_cast<uint32_t>(pcScanCode(virtualKey))));
        return true;
    }
    return false;
}

bool translateSystemKeyDown(WPARAM virtualKey, LPARAM lParam, WindowInput& input) {
    if (virtualKey == VK_RETURN && (lParam & kAltHeldBit) != 0) {
        noteFullscreenToggle(lParam, input);
        return true;
    }
    // F10 is a system key on Windows (it opens the menu bar); here it is
    // only a key. Alt+F4 goes on to the default handling, which closes.
    if (virtualKey == VK_F10 || virtualKey == VK_F11)
        return translateKeyDown(virtualKey, lParam, input);
    return false;
}

}  // namespace

void WindowInput::addTyped(uint32_t code) {
    if (typedCount < static_cast<int32_t>(typedCodes.size())) {
        typedCodes[static_cast<size_t>(typedCount)] = code;
        ++typedCount;
    }
}

void WindowInput::clear() {
    typedCount = 0;
    focusChanged = false;
    pausePressed = false;
    soundKeyPresses = 0;
    toggleFullscreen = false;
    redraw = false;
    titleChanged = false;
}

bool translateMessage(UINT message, WPARAM wParam, LPARAM lParam, WindowInput& input,
                      WindowFocus& focus) {
    switch (message) {
        case WM_KEYDOWN:
            return translateKeyDown(wParam, lParam, input);
        case WM_SYSKEYDOWN:
            return translateSystemKeyDown(wParam, lParam, input);
        case WM_CHAR:
            // UTF-16 units: the game's character codes are single bytes, so
            // characters up to U+00FF become their Latin-1 code and the rest
            // are dropped.
            if (wParam >= 1 && wParam <= 255) input.addTyped(static_cast<uint32_t>(wParam));
            return true;
        case WM_SYSCHAR:
            // Alt+Enter's character would only make the default handling beep.
            return wParam == VK_RETURN;
        case WM_SYSCOMMAND:
            // Alt or F10 alone would enter the system menu's keyboard mode,
            // which takes the next keys away from the game.
            return (wParam & 0xFFF0u) == SC_KEYMENU && lParam == 0;
        case WM_CLOSE:
            input.addTyped(kCloseKeyCode);
            return true;
        case WM_ACTIVATE: {
            const bool active = LOWORD(wParam) != WA_INACTIVE;
            if (active != focus.active) {
                focus.active = active;
                input.focusChanged = true;
            }
            return false;
        }
        case WM_SIZE: {
            input.redraw = true;
            const bool minimised = wParam == SIZE_MINIMIZED;
            if (minimised != focus.minimised) {
                focus.minimised = minimised;
                input.focusChanged = true;
            }
            return false;
        }
        case kTitleChangedMessage:
            input.titleChanged = true;
            return true;
        default:
            return false;
    }
}

}  // namespace kestrway
