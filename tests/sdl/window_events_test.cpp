// The SDL backend's key translation: the scan-code table behind isKeyDown
// and the typed codes that window events put into the key ring.
#include "platform/sdl/window_events.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/keyboard.h"
#include "platform/sdl/scan_codes.h"
#include "platform/sdl/sdl_window.h"

namespace kestrway {
namespace {

using Codes = std::vector<uint32_t>;

SDL_Event keyDown(SDL_Scancode scancode, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event windowEvent(SDL_WindowEventID id) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(id);
    return event;
}

Codes typedFrom(std::initializer_list<SDL_Event> events) {
    WindowInput input;
    for (const SDL_Event& event : events) {
        translateEvent(event, input);
    }
    return input.typedCodes;
}

Codes typedText(const char* utf8) {
    Codes codes;
    appendTypedText(utf8, codes);
    return codes;
}

TEST(ScanCodes, GameKeysHaveTheirPcCodes) {
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_ESCAPE), kScanEscape);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_SPACE), kScanSpace);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_UP), kScanUp);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_KP_8), kScanUp);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_DOWN), kScanDown);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_KP_2), kScanDown);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_LEFT), kScanLeft);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_KP_4), kScanLeft);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_RIGHT), kScanRight);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_KP_6), kScanRight);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_A), 30);
    EXPECT_EQ(pcScanCode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(pcScanCode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES + 5)), 0);
}

TEST(ScanCodes, EitherKeyOfACodeHoldsIt) {
    std::vector<uint8_t> sdl(SDL_NUM_SCANCODES, 0);
    sdl[SDL_SCANCODE_KP_8] = 1;
    sdl[SDL_SCANCODE_SPACE] = 1;
    KeyStates held = heldKeysFrom(sdl.data(), static_cast<int32_t>(sdl.size()));
    for (int32_t code = 0; code < kKeyStateCount; ++code) {
        const bool expected = code == kScanUp || code == kScanSpace;
        EXPECT_EQ(held[static_cast<size_t>(code)], expected ? 1 : 0) << "code " << code;
    }
    sdl[SDL_SCANCODE_KP_8] = 0;
    sdl[SDL_SCANCODE_UP] = 1;
    held = heldKeysFrom(sdl.data(), static_cast<int32_t>(sdl.size()));
    EXPECT_EQ(held[kScanUp], 1);
    // A shorter state array (an older SDL) is read only as far as it goes.
    held = heldKeysFrom(sdl.data(), SDL_SCANCODE_SPACE);
    EXPECT_EQ(held[kScanSpace], 0);
}

TEST(TypedKeys, TextBecomesCharacterCodes) {
    EXPECT_EQ(typedText("a Z"), (Codes{'a', ' ', 'Z'}));
    // Latin-1 characters keep their byte; others have no code and vanish.
    EXPECT_EQ(typedText("\xC3\xA9x"), (Codes{0xE9, 'x'}));
    EXPECT_EQ(typedText("\xC2\xA0"), (Codes{0xA0}));
    EXPECT_EQ(typedText("\xE2\x82\xAC"
                        "b"
                        "\xF0\x9F\x9A\x97"
                        "c"),
              (Codes{'b', 'c'}));
    // Broken sequences lose only themselves.
    EXPECT_EQ(typedText("\xC3"
                        "d"
                        "\x80"
                        "e"),
              (Codes{'d', 'e'}));
    EXPECT_EQ(typedText("\xC3"), Codes{});

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    SDL_strlcpy(text.text.text, " ", sizeof(text.text.text));
    EXPECT_EQ(typedFrom({text}), Codes{' '});
}

TEST(TypedKeys, ControlKeysGiveTheirCharacterCodesRepeatsIncluded) {
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_ESCAPE), keyDown(SDL_SCANCODE_ESCAPE, 0, 1),
                         keyDown(SDL_SCANCODE_RETURN), keyDown(SDL_SCANCODE_KP_ENTER),
                         keyDown(SDL_SCANCODE_BACKSPACE), keyDown(SDL_SCANCODE_TAB)}),
              (Codes{27, 27, 13, 13, 8, 9}));
}

TEST(TypedKeys, KeysWithoutACharacterGiveExtendedCodes) {
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_UP), keyDown(SDL_SCANCODE_DOWN, 0, 1),
                         keyDown(SDL_SCANCODE_LEFT), keyDown(SDL_SCANCODE_RIGHT)}),
              (Codes{0x48FF, 0x50FF, 0x4BFF, 0x4DFF}));
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_F1), keyDown(SDL_SCANCODE_DELETE)}),
              (Codes{extendedKeyCode(59), extendedKeyCode(83)}));
    // The keypad types digits with Num Lock on (they come as text) and
    // moves like the cursor keys with it off.
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_KP_8, KMOD_NUM)}), Codes{});
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_KP_8)}), Codes{0x48FF});
    // Letters and Space arrive as text, not as key presses, so never twice.
    EXPECT_EQ(typedFrom({keyDown(SDL_SCANCODE_A), keyDown(SDL_SCANCODE_SPACE)}), Codes{});
}

TEST(TypedKeys, CloseButtonAddsCloseKeyOncePerPress) {
    EXPECT_EQ(typedFrom({windowEvent(SDL_WINDOWEVENT_CLOSE), windowEvent(SDL_WINDOWEVENT_CLOSE)}),
              (Codes{kCloseKeyCode, kCloseKeyCode}));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(typedFrom({quit}), Codes{kCloseKeyCode});
}

TEST(WindowActions, FullscreenToggleKeysTypeNothing) {
    WindowInput input;
    translateEvent(keyDown(SDL_SCANCODE_RETURN, KMOD_LALT), input);
    EXPECT_TRUE(input.toggleFullscreen);
    EXPECT_TRUE(input.typedCodes.empty());

    input.clear();
    translateEvent(keyDown(SDL_SCANCODE_F11, KMOD_NONE, 1), input);
    EXPECT_FALSE(input.toggleFullscreen) << "a held F11 must not flip back and forth";
    translateEvent(keyDown(SDL_SCANCODE_F11), input);
    EXPECT_TRUE(input.toggleFullscreen);
    EXPECT_TRUE(input.typedCodes.empty());
}

TEST(WindowActions, FocusAndExposureAreReported) {
    WindowInput input;
    translateEvent(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), input);
    EXPECT_TRUE(input.focusChanged);
    EXPECT_FALSE(input.redraw);
    input.clear();
    translateEvent(windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), input);
    EXPECT_TRUE(input.focusChanged);
    input.clear();
    translateEvent(windowEvent(SDL_WINDOWEVENT_EXPOSED), input);
    EXPECT_TRUE(input.redraw);
    EXPECT_FALSE(input.focusChanged);
    input.clear();
    translateEvent(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED), input);
    EXPECT_TRUE(input.redraw);
}

TEST(WindowTitle, BytesAreReadAsLatin1) {
    EXPECT_EQ(latin1ToUtf8("Kestrway [v0.1]"), "Kestrway [v0.1]");
    EXPECT_EQ(latin1ToUtf8("caf\xE9 \xFF"), "caf\xC3\xA9 \xC3\xBF");
}

}  // namespace
}  // namespace kestrway
