// Encoding pictures as the BMP forms the game reads: 24-bit, 32-bit with alpha, 8-bit indexed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "pixmap.h"

namespace kestrway {

// Bottom-up 24-bit BMP; the loader gives every pixel alpha 255.
std::vector<uint8_t> encodeBmp24(const Pixmap& picture);
// Bottom-up 32-bit BI_RGB BMP with a 40-byte header; each pixel's top byte is
// stored as-is and reaches the game unchanged (the font's header row needs that).
std::vector<uint8_t> encodeBmp32(const Pixmap& picture);
// Bottom-up 8-bit BMP with a 256-entry palette (0xRRGGBB); indices are stored as
// given, rows padded to 4 bytes. indices is row-major, top row first.
std::vector<uint8_t> encodeBmp8(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                const std::array<uint32_t, 256>& palette);

}  // namespace kestrway
