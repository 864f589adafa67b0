// Screen to canvas pixel order.
#include "platform/web/canvas_pixels.h"

namespace kestrway::web {

void screenToCanvasPixels(const uint32_t* from, uint32_t* to, int32_t count) {
    // Read back as a little-endian word, R, G, B, A is 0xAABBGGRR: red and
    // blue swap places, green stays.
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t p = from[i];
        to[i] = 0xFF000000u | (p & 0x0000FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
    }
}

}  // namespace kestrway::web
