// The page's key events as the game sees them, and its pixels as the canvas
// gets them.
#include "platform/web/key_codes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/web/canvas_pixels.h"

namespace kestrway::web {
namespace {

// Positions map to the PC keyboard's set-1 codes, the keypad's arrows to the
// cursor keys'; names are case-sensitive. Every slot has a code the key
// states can hold, and a state is held while any of its keys is.
TEST(WebKeyCodes, PositionsMapToTheSetOneCodesAndHoldTheirKeyStates) {
    const std::pair<int32_t, std::vector<const char*>> cases[] = {
        {kScanEscape, {"Escape"}},
        {kScanSpace, {"Space"}},
        {kScanUp, {"ArrowUp", "Numpad8"}},
        {kScanDown, {"ArrowDown", "Numpad2"}},
        {kScanLeft, {"ArrowLeft", "Numpad4"}},
        {kScanRight, {"ArrowRight", "Numpad6"}},
        {28, {"NumpadEnter"}},
        {0, {"Unidentified", "", "arrowup"}}};
    for (const auto& [pc, codes] : cases) {
        for (const char* code : codes) EXPECT_EQ(pcScanCode(code), pc) << code;
    }
    for (int32_t slot = 0; slot < physicalKeyCount(); ++slot) {
        EXPECT_TRUE(scanCodeOfSlot(slot) > 0 && scanCodeOfSlot(slot) < kKeyStateCount) << slot;
    }
    EXPECT_EQ(scanCodeOfSlot(-1) + scanCodeOfSlot(physicalKeyCount()), 0);

    std::vector<uint8_t> held(static_cast<size_t>(physicalKeyCount()), 0);
    const auto upAndSpace = [&](const char* code, uint8_t down) {
        held[static_cast<size_t>(physicalKeySlot(code))] = down;
        const KeyStates states = heldKeysFrom(held.data());
        return std::pair(states[kScanUp], states[kScanSpace]);
    };
    upAndSpace("Space", 1);
    EXPECT_EQ(upAndSpace("ArrowUp", 1), std::pair(uint8_t{1}, uint8_t{1}));
    EXPECT_EQ(upAndSpace("Numpad8", 1), std::pair(uint8_t{1}, uint8_t{1}));
    EXPECT_EQ(upAndSpace("ArrowUp", 0), std::pair(uint8_t{1}, uint8_t{1})) << "keypad 8 still down";
    EXPECT_EQ(upAndSpace("Numpad8", 0), std::pair(uint8_t{0}, uint8_t{1}));
}

// What each press types for the game (0: nothing), and whether the browser
// keeps it: its shortcuts and function keys, but not the keys that would
// scroll the page or move the focus, nor the fullscreen toggles, which the
// page handles itself.
TEST(WebKeyCodes, KeyPressesTypeTheGamesCodesAndTheBrowserKeepsOnlyItsOwn) {
    const struct {
        KeyPress press;
        uint32_t typed;
        bool browserKeeps;
    } cases[] = {
        {{"Space", " "}, ' ', false},
        {{"KeyA", "A"}, 'A', false},
        {{"NumpadEnter", "Enter"}, 13, false},
        {{"Escape", "Escape"}, 27, false},
        {{"Backspace", "Backspace"}, 8, false},
        {{"Tab", "Tab"}, 9, false},
        {{"ArrowDown", "ArrowDown"}, extendedKeyCode(kScanDown), false},
        // The keypad's 8 is an arrow with Num Lock off and types its digit with it on.
        {{"Numpad8", "ArrowUp"}, extendedKeyCode(kScanUp), false},
        {{"Numpad8", "8"}, '8', false},
        {{"Delete", "Delete"}, extendedKeyCode(83), false},
        {{"F5", "F5"}, extendedKeyCode(63), true},
        // Latin-1 characters as their byte; others, dead keys and broken sequences are dropped.
        {{"Digit3", "\xC2\xA3"}, 0xA3, false},
        {{"KeyE", "\xE2\x82\xAC"}, 0, false},
        {{"BracketLeft", "Dead"}, 0, false},
        {{"ShiftLeft", "Shift"}, 0, false},
        {{"KeyX", "\xC3"}, 0, false},
        // Ctrl and Meta make shortcuts; AltGr (Ctrl+Alt) still types.
        {{"KeyR", "r", true}, 0, true},
        {{"KeyW", "w", false, false, true}, 0, true},
        {{"KeyE", "\xC3\xA9", true, true}, 0xE9, true},
        {{"Tab", "Tab", false, true}, 9, true},
        {{"F11", "F11"}, 0, false},
        {{"Enter", "Enter", false, true}, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typedKeyCode(c.press), c.typed) << c.press.code << " " << c.press.key;
        EXPECT_EQ(browserKeepsKey(c.press), c.browserKeeps) << c.press.code << " " << c.press.key;
    }
}

// Each screen word (0xAARRGGBB) becomes the canvas's R, G, B, A bytes, opaque;
// in place too, as the canvas image may be converted over itself.
TEST(WebCanvasPixels, ScreenWordsBecomeOpaqueRgbaBytes) {
    uint32_t pixels[] = {0xFF000064u, 0x00FF0000u, 0x8000FF00u, 0x12345678u};
    screenToCanvasPixels(pixels, pixels, 4);
    const auto* bytes = reinterpret_cast<const uint8_t*>(pixels);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + sizeof pixels),
              (std::vector<uint8_t>{0x00, 0x00, 0x64, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0xFF,
                                    0x00, 0xFF, 0x34, 0x56, 0x78, 0xFF}));
}

}  // namespace
}  // namespace kestrway::web
