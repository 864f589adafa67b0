// The page's keyboard: key events on the window are gathered between
// presenter passes (they arrive while the game sleeps) and handed to the
// pass as typed codes and held keys.
#pragma once

#include <cstdint>

#include "platform/web/key_codes.h"

namespace kestrway::web {

// Listens for key presses and releases on the window.
void startKeyboard();

// Presenter side: adds every code typed since the last call, oldest first,
// to the typed-key ring, and hands on the presses of the pause key (P or
// Pause) and of M (sound off and on). Call with the screen lock held.
void deliverTypedKeys();
// The keys held down now, by set-1 code.
KeyStates heldKeys();
// No key is held any more (the page lost focus and will not see releases).
void releaseAllKeys();

}  // namespace kestrway::web
