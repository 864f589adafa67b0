// The presenter's picture work for one pass: send the screen's changed lines
// to the window's texture, then show the texture. Split out of the
// presenter loop so the benchmark can time exactly this.
#pragma once

#include <string_view>

#include "platform/sdl/sdl_window.h"

namespace kestrway {

// Takes every run of changed lines of the screen's page and clears their
// flags: into the window's texture, or, with our scaler, scaled straight into
// the window's pixels with the "Paused" line over them while `pausedLine`.
// `whole`: the window's pixels were lost (exposed, resized), so our scaler
// draws all of it again, bars included. `soundLine`: the words of the line
// after M, empty when it is not showing. Call on the main thread with
// screenMutex() held. True when anything was taken or drawn.
bool takeChangedLines(SdlWindow& window, bool pausedLine = false, bool whole = false,
                      std::string_view soundLine = {});

// Shows what was taken: the texture scaled into the window by the renderer
// with black bars where the window's shape differs from the picture's and
// the "Paused" line over it when asked, or the areas our scaler drew. Call
// without the screen lock: presenting takes milliseconds on a real display.
void presentPicture(SdlWindow& window, bool pausedLine = false, std::string_view soundLine = {});

}  // namespace kestrway
