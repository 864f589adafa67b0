// The presenter's picture work for one pass: send the screen's changed lines
// to the window's texture, then show the texture. Split out of the
// presenter loop so the benchmark can time exactly this.
#pragma once

#include "platform/sdl/sdl_window.h"

namespace kestrway {

// Takes every run of changed lines of the screen's page into the window's
// texture (or our scaler's copy) and clears their flags. Call on the main
// thread with screenMutex() held. True when any line was taken.
bool takeChangedLines(SdlWindow& window);

// Shows what was taken scaled into the window, with black bars where the
// window's shape differs from the picture's, the "Paused" line over it when
// asked. `whole`: the window's pixels were lost (exposed, resized), so all of
// it is drawn again, not just the changed lines. Call without the screen
// lock: presenting takes milliseconds on a real display.
void presentPicture(SdlWindow& window, bool pausedLine = false, bool whole = false);

}  // namespace kestrway
