// A plain picture in memory (0xAARRGGBB pixels) that the drawing helpers paint on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrway {

struct Pixmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // row-major, top row first

    Pixmap() = default;
    Pixmap(int32_t w, int32_t h, uint32_t fill);

    bool contains(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    uint32_t get(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    // Writes are clipped so drawing code can overrun the edges freely.
    void set(int32_t x, int32_t y, uint32_t colour);
};

}  // namespace kestrway
