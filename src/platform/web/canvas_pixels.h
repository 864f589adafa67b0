// The screen's pixels as a canvas wants them. The screen holds 0xAARRGGBB
// words, which lie in memory as B, G, R, A; a canvas's image data is R, G,
// B, A bytes, and its alpha must be opaque or the page shows through.
#pragma once

#include <cstdint>

namespace kestrway::web {

// Converts count pixels from the screen's order to the canvas's, alpha set
// to 255. from and to may be the same buffer.
void screenToCanvasPixels(const uint32_t* from, uint32_t* to, int32_t count);

}  // namespace kestrway::web
