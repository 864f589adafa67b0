// A plain picture in memory (0xAARRGGBB pixels) that the drawing helpers paint on.
#include "pixmap.h"

namespace kestrway {

Pixmap::Pixmap(int32_t w, int32_t h, uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w * h), fill) {}

void Pixmap::set(int32_t x, int32_t y, uint32_t colour) {
    if (contains(x, y)) {
        pixels[static_cast<size_t>(y * width + x)] = colour;
    }
}

}  // namespace kestrway
