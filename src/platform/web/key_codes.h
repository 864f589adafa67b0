// What the page's keyboard events mean to the game: KeyboardEvent.code
// translated to the PC keyboard's scan code set 1 (the key-state table's
// index), and a key press translated to the code it adds to the typed-key
// ring. Plain C++, so the translation is tested without a browser.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/keyboard.h"

namespace kestrway::web {

using KeyStates = std::array<uint8_t, kKeyStateCount>;

// The physical keys the game knows, by KeyboardEvent.code. A key's slot is
// its place in this list; several slots share a set-1 code (Up and keypad
// 8 are both 72, as on the PC keyboard).
int32_t physicalKeyCount();
// The slot of a KeyboardEvent.code, -1 for keys the game does not know.
int32_t physicalKeySlot(std::string_view code);
// The set-1 code of a slot (0 outside the list).
int32_t scanCodeOfSlot(int32_t slot);
// The set-1 code of a KeyboardEvent.code, 0 for keys the game does not know.
int32_t pcScanCode(std::string_view code);

// Key states by set-1 code from the held slots (physicalKeyCount() flags):
// a code reads as held when any of its keys is.
KeyStates heldKeysFrom(const uint8_t* heldSlots);

struct KeyPress {
    std::string_view code;  // KeyboardEvent.code: the key's position
    std::string_view key;   // KeyboardEvent.key: its meaning on this layout
    bool ctrl = false;
    bool alt = false;
    bool meta = false;
};

// Toggles fullscreen instead of reaching the game: F11 and Alt+Enter.
bool isFullscreenKey(const KeyPress& press);

// The typed-key code a key press adds (Enter, Escape, Backspace and Tab as
// their characters, keys without a character as 255 + 256 x their set-1
// code, characters up to U+00FF as their Latin-1 code), 0 for none.
uint32_t typedKeyCode(const KeyPress& press);

// True when the browser should still act on the key (reload, developer
// tools, shortcuts with Ctrl, Alt or Meta); every other key is the game's,
// so arrows and Space do not scroll the page.
bool browserKeepsKey(const KeyPress& press);

}  // namespace kestrway::web
