// The window's icon, from the same pixels as every other window layer's,
// so the title bar, taskbar and Alt+Tab show the game's own picture.
#pragma once

#include <windows.h>

namespace kestrway {

// Presenter thread, before the window is made. Null when Windows refuses;
// the window then keeps the system's icon.
HICON createWindowIcon();

}  // namespace kestrway
