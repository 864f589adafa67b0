// The presenter's picture work for one pass: send the screen's changed lines
// to the window's texture, then show the texture. Split out of the
// presenter loop so the benchmark can time exactly this.
#pragma once

#include "platform/sdl/sdl_window.h"

namespace kestrway {

// Uploads every run of changed lines of the screen's page to the texture and
// clears their flags. Call on the main thread with screenMutex() held. True
// when any line was sent.
bool uploadChangedLines(SDL_Texture* texture);

// Draws the texture scaled into the window, with black bars where the
// window's shape differs from 4:3, the "Paused" line over it when asked,
// and presents it. Call without the screen lock: presenting takes
// milliseconds on a real display.
void presentPicture(const SdlWindow& window, bool pausedLine = false);

}  // namespace kestrway
