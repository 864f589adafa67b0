// Turning stored BMP pixels (colour-table indices or masked components) into
// the screen's 0xAARRGGBB pixels.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/bmp_format.h"

namespace kestrway {

// A component of bits width scaled to 0..255 by repeating its bits from the
// top down (a 1-bit component gives 0 or 255, an empty one 0); wider ones
// keep their top 8 bits.
uint32_t scaleComponent(uint32_t value, uint32_t bits);

struct MaskedChannel {
    uint32_t mask = 0;
    uint32_t shift = 0;  // position of the mask's lowest set bit
    uint32_t bits = 0;   // from the lowest to the highest set bit
};

struct BmpPixelDecoder {
    uint32_t bitCount = 0;
    // Every index a byte can hold; entries the file lacks are opaque black.
    std::array<uint32_t, 256> palette{};
    std::array<MaskedChannel, 4> channels{};  // red, green, blue, alpha
    bool alphaFromFile = false;               // false: alpha is 0xFF
};

MaskedChannel maskedChannel(uint32_t mask);
BmpPixelDecoder makePixelDecoder(std::span<const uint8_t> file, const BmpFormat& format);
// Converts the first columns pixels of one stored row; the row holds them all.
void decodeRow(const BmpPixelDecoder& decoder, const uint8_t* stored, uint32_t* out,
               int64_t columns);

}  // namespace kestrway
