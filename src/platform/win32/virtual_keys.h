// Windows' virtual keys translated to the PC keyboard's scan code set 1,
// which is what the game's key-state table is indexed by.
#pragma once

#include <array>
#include <cstdint>

#include "platform/keyboard.h"

namespace kestrway {

using KeyStates = std::array<uint8_t, kKeyStateCount>;

// The set-1 code of a virtual key, 0 for keys the table does not know. The
// keypad's digits share the cursor keys' codes, as on the PC keyboard.
int32_t pcScanCode(uint32_t virtualKey);

// Key states by set-1 code from GetKeyboardState's 256 entries (a key is
// down while its top bit is set): a code reads as held when any of its keys is.
KeyStates heldKeysFrom(const std::array<uint8_t, 256>& keyboardState);

}  // namespace kestrway
