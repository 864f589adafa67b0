// The page's key events as the game sees them, and its pixels as the canvas
// gets them.
#include "platform/web/key_codes.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/web/canvas_pixels.h"

namespace kestrway::web {
namespace {

TEST(WebKeyCodes, PositionsMapToTheSameSetOneCodesAsThePcKeyboard) {
    const struct {
        const char* code;
        int32_t pc;
    } cases[] = {
        {"Escape", kScanEscape},
        {"Space", kScanSpace},
        {"ArrowUp", kScanUp},
        {"Numpad8", kScanUp},
        {"ArrowDown", kScanDown},
        {"Numpad2", kScanDown},
        {"ArrowLeft", kScanLeft},
        {"Numpad4", kScanLeft},
        {"ArrowRight", kScanRight},
        {"Numpad6", kScanRight},
        {"KeyA", 30},
        {"Digit1", 2},
        {"Enter", 28},
        {"NumpadEnter", 28},
        {"F11", 87},
        {"ShiftLeft", 42},
        {"Unidentified", 0},
        {"", 0},
        {"arrowup", 0},  // codes are case-sensitive names
    };
    for (const auto& c : cases) EXPECT_EQ(pcScanCode(c.code), c.pc) << c.code;
}

TEST(WebKeyCodes, EveryKnownKeyHasItsOwnSlotAndAValidCode) {
    for (int32_t slot = 0; slot < physicalKeyCount(); ++slot) {
        const int32_t code = scanCodeOfSlot(slot);
        EXPECT_GT(code, 0) << slot;
        EXPECT_LT(code, kKeyStateCount) << slot;
    }
    EXPECT_EQ(scanCodeOfSlot(-1), 0);
    EXPECT_EQ(scanCodeOfSlot(physicalKeyCount()), 0);
}

TEST(WebKeyCodes, AKeyStateIsHeldWhileAnyOfItsKeysIs) {
    std::vector<uint8_t> held(static_cast<size_t>(physicalKeyCount()), 0);
    const auto hold = [&](const char* code, uint8_t down) {
        held[static_cast<size_t>(physicalKeySlot(code))] = down;
    };
    hold("ArrowUp", 1);
    hold("Numpad8", 1);
    hold("Space", 1);
    KeyStates states = heldKeysFrom(held.data());
    EXPECT_EQ(states[kScanUp], 1);
    EXPECT_EQ(states[kScanSpace], 1);
    EXPECT_EQ(states[kScanDown], 0);
    hold("ArrowUp", 0);  // keypad 8 still down
    states = heldKeysFrom(held.data());
    EXPECT_EQ(states[kScanUp], 1);
    hold("Numpad8", 0);
    states = heldKeysFrom(held.data());
    EXPECT_EQ(states[kScanUp], 0);
    EXPECT_EQ(states[kScanSpace], 1);
}

TEST(WebKeyCodes, KeyPressesTypeTheGamesCodes) {
    const struct {
        KeyPress press;
        uint32_t typed;
    } cases[] = {
        {{"Space", " "}, ' '},
        {{"KeyA", "a"}, 'a'},
        {{"KeyA", "A"}, 'A'},
        {{"Digit1", "!"}, '!'},
        {{"Enter", "Enter"}, 13},
        {{"NumpadEnter", "Enter"}, 13},
        {{"Escape", "Escape"}, 27},
        {{"Backspace", "Backspace"}, 8},
        {{"Tab", "Tab"}, 9},
        {{"ArrowUp", "ArrowUp"}, extendedKeyCode(kScanUp)},
        // Num Lock off: the keypad's 8 is an arrow, at the arrow's code.
        {{"Numpad8", "ArrowUp"}, extendedKeyCode(kScanUp)},
        // Num Lock on: it types its digit.
        {{"Numpad8", "8"}, '8'},
        {{"Delete", "Delete"}, extendedKeyCode(83)},
        {{"F1", "F1"}, extendedKeyCode(59)},
        {{"F12", "F12"}, extendedKeyCode(88)},
        // Latin-1 characters as their byte; others are dropped.
        {{"Quote", "\xC3\xA9"}, 0xE9},   // é
        {{"Digit3", "\xC2\xA3"}, 0xA3},  // £
        {{"KeyE", "\xE2\x82\xAC"}, 0},   // € lies beyond Latin-1
        {{"BracketLeft", "Dead"}, 0},    // a dead key types nothing yet
        {{"ShiftLeft", "Shift"}, 0},
        {{"KeyX", "\xC3"}, 0},  // a broken sequence
        // Shortcuts are not typing, AltGr is.
        {{"KeyR", "r", true}, 0},
        {{"KeyR", "r", false, false, true}, 0},
        {{"KeyE", "\xC3\xA9", true, true}, 0xE9},
        // Fullscreen toggles reach the page, not the game.
        {{"F11", "F11"}, 0},
        {{"Enter", "Enter", false, true}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typedKeyCode(c.press), c.typed) << c.press.code << " " << c.press.key;
    }
}

TEST(WebKeyCodes, TheBrowserKeepsOnlyItsShortcutsAndFunctionKeys) {
    const struct {
        KeyPress press;
        bool browserKeeps;
    } cases[] = {
        {{"ArrowUp", "ArrowUp"}, false},  // would scroll the page
        {{"ArrowDown", "ArrowDown"}, false},
        {{"Space", " "}, false},
        {{"PageDown", "PageDown"}, false},
        {{"Tab", "Tab"}, false},  // would move the focus
        {{"KeyA", "a"}, false},
        {{"F11", "F11"}, false},  // the page toggles fullscreen itself
        {{"Enter", "Enter", false, true}, false},
        {{"F5", "F5"}, true},    // reload
        {{"F12", "F12"}, true},  // developer tools
        {{"KeyR", "r", true}, true},
        {{"KeyW", "w", false, false, true}, true},
        {{"Tab", "Tab", false, true}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(browserKeepsKey(c.press), c.browserKeeps) << c.press.code;
    }
}

TEST(WebCanvasPixels, ScreenWordsBecomeOpaqueRgbaBytes) {
    const uint32_t screen[] = {0xFF000064u, 0x00FF0000u, 0x8000FF00u, 0x12345678u};
    uint32_t canvas[4] = {};
    screenToCanvasPixels(screen, canvas, 4);
    const uint8_t expected[4][4] = {
        {0x00, 0x00, 0x64, 0xFF},  // the title's blue
        {0xFF, 0x00, 0x00, 0xFF},  // red, alpha made opaque
        {0x00, 0xFF, 0x00, 0xFF},
        {0x34, 0x56, 0x78, 0xFF},
    };
    const auto* bytes = reinterpret_cast<const uint8_t*>(canvas);
    for (int i = 0; i < 4; ++i) {
        for (int b = 0; b < 4; ++b) EXPECT_EQ(bytes[i * 4 + b], expected[i][b]) << i << "," << b;
    }
    // In place, as the canvas image may be converted over itself.
    uint32_t same[] = {0xFF112233u};
    screenToCanvasPixels(same, same, 1);
    EXPECT_EQ(same[0], 0xFF332211u);
}

}  // namespace
}  // namespace kestrway::web
