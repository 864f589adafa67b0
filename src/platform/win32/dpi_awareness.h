// Tells Windows that the game scales its picture itself, per monitor, so
// that Windows does not stretch (and blur) the whole window on a scaled
// display.
#pragma once

namespace kestrway {

// Main thread, before any window exists.
void becomeDpiAware();

}  // namespace kestrway
