// SDL's key positions translated to the PC keyboard's scan code set 1, which
// is what the game's key-state table is indexed by.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

#include "platform/keyboard.h"

namespace kestrway {

using KeyStates = std::array<uint8_t, kKeyStateCount>;

// The set-1 code of a key, 0 for keys the table does not know. Keypad
// arrows share the cursor keys' codes, as on the PC keyboard.
int32_t pcScanCode(SDL_Scancode scancode);

// Key states by set-1 code from SDL's keyboard state (indexed by
// SDL_Scancode, count entries): a code reads as held when any of its keys is.
KeyStates heldKeysFrom(const uint8_t* sdlStates, int32_t count);

}  // namespace kestrway
