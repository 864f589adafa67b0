// Translation of SDL events into the game's typed key codes and window
// actions.
#include "platform/sdl/window_events.h"

#include "platform/keyboard.h"
#include "platform/sdl/scan_codes.h"

namespace kestrway {
namespace {

constexpr uint32_t kCodeBackspace = 8;
constexpr uint32_t kCodeTab = 9;
constexpr uint32_t kCodeEnter = 13;
constexpr uint32_t kCodeEscape = 27;

bool isKeypadArrow(SDL_Scancode scancode) {
    return scancode == SDL_SCANCODE_KP_8 || scancode == SDL_SCANCODE_KP_2 ||
           scancode == SDL_SCANCODE_KP_4 || scancode == SDL_SCANCODE_KP_6;
}

// Keys that type no character but still reach the game, as 255 + 256 x
// their set-1 code.
bool isCharacterlessKey(SDL_Scancode scancode) {
    switch (scancode) {
        case SDL_SCANCODE_UP:
        case SDL_SCANCODE_DOWN:
        case SDL_SCANCODE_LEFT:
        case SDL_SCANCODE_RIGHT:
        case SDL_SCANCODE_HOME:
        case SDL_SCANCODE_END:
        case SDL_SCANCODE_PAGEUP:
        case SDL_SCANCODE_PAGEDOWN:
        case SDL_SCANCODE_INSERT:
        case SDL_SCANCODE_DELETE:
        case SDL_SCANCODE_F1:
        case SDL_SCANCODE_F2:
        case SDL_SCANCODE_F3:
        case SDL_SCANCODE_F4:
        case SDL_SCANCODE_F5:
        case SDL_SCANCODE_F6:
        case SDL_SCANCODE_F7:
        case SDL_SCANCODE_F8:
        case SDL_SCANCODE_F9:
        case SDL_SCANCODE_F10:
        case SDL_SCANCODE_F12:
            return true;
        default:
            return false;
    }
}

void translateKeyDown(const SDL_KeyboardEvent& key, WindowInput& input) {
    const SDL_Scancode scancode = key.keysym.scancode;
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
    const bool enter = scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER;
    if (scancode == SDL_SCANCODE_F11 || (alt && enter)) {
        // Repeats of a held toggle key would make the window flicker.
        input.toggleFullscreen = input.toggleFullscreen || key.repeat == 0;
        return;
    }
    if ((scancode == SDL_SCANCODE_P || scancode == SDL_SCANCODE_PAUSE) && key.repeat == 0) {
        // P still types its letter below (as text); the pause is extra.
        ++input.pausePresses;
    }
    if (scancode == SDL_SCANCODE_M && key.repeat == 0) {
        // Like P, M still types its letter; no screen of the game answers it.
        ++input.soundKeyPresses;
    }
    if (enter) {
        input.typedCodes.push_back(kCodeEnter);
    } else if (scancode == SDL_SCANCODE_ESCAPE) {
        input.typedCodes.push_back(kCodeEscape);
    } else if (scancode == SDL_SCANCODE_BACKSPACE) {
        input.typedCodes.push_back(kCodeBackspace);
    } else if (scancode == SDL_SCANCODE_TAB) {
        input.typedCodes.push_back(kCodeTab);
    } else if (isCharacterlessKey(scancode) ||
               (isKeypadArrow(scancode) && (key.keysym.mod & KMOD_NUM) == 0)) {
        // With Num Lock on the keypad types digits, which arrive as text.
        input.typedCodes.push_back(extendedKeyCode(static_cast<uint32_t>(pcScanCode(scancode))));
    }
}

void translateWindowEvent(const SDL_WindowEvent& window, WindowInput& input) {
    switch (window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            input.typedCodes.push_back(kCloseKeyCode);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            input.focusChanged = true;
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            input.redraw = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
            input.focusChanged = true;
            input.redraw = true;
            break;
        default:
            break;
    }
}

}  // namespace

void WindowInput::clear() {
    typedCodes.clear();
    focusChanged = false;
    pausePresses = 0;
    soundKeyPresses = 0;
    toggleFullscreen = false;
    redraw = false;
}

void appendTypedText(const char* utf8, std::vector<uint32_t>& codes) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    while (*bytes != 0) {
        const unsigned char lead = *bytes;
        if (lead < 0x80) {
            codes.push_back(lead);
            ++bytes;
            continue;
        }
        // Only two-byte sequences led by C2 or C3 lie within U+0080..U+00FF;
        // longer ones, and broken ones, are skipped up to the next lead byte.
        int32_t expected = 0;
        if (lead >= 0xF0) {
            expected = 3;
        } else if (lead >= 0xE0) {
            expected = 2;
        } else if (lead >= 0xC0) {
            expected = 1;
        }
        ++bytes;
        const unsigned char first = *bytes;
        int32_t continued = 0;
        while (continued < expected && (*bytes & 0xC0) == 0x80) {
            ++bytes;
            ++continued;
        }
        if (expected == 1 && continued == 1 && (lead == 0xC2 || lead == 0xC3)) {
            codes.push_back(((lead & 0x1Fu) << 6) | (first & 0x3Fu));
        }
    }
}

void translateEvent(const SDL_Event& event, WindowInput& input) {
    switch (event.type) {
        case SDL_KEYDOWN:
            translateKeyDown(event.key, input);
            break;
        case SDL_TEXTINPUT:
            appendTypedText(event.text.text, input.typedCodes);
            break;
        case SDL_WINDOWEVENT:
            translateWindowEvent(event.window, input);
            break;
        case SDL_QUIT:
            // With quit-on-last-window-close off this comes only from the
            // system (for example the session ending): the game decides.
            input.typedCodes.push_back(kCloseKeyCode);
            break;
        default:
            break;
    }
}

}  // namespace kestrway
