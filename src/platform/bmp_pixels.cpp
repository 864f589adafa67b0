// Colour-table lookup and mask-and-scale conversion of stored BMP pixels.
#include "platform/bmp_pixels.h"

#include <bit>

namespace kestrway {

namespace {

constexpr uint32_t kOpaque = 0xFF000000;

uint32_t channelValue(const MaskedChannel& channel, uint32_t pixel) {
    return scaleComponent((pixel & channel.mask) >> channel.shift, channel.bits);
}

uint32_t maskedPixel(const BmpPixelDecoder& decoder, uint32_t pixel) {
    const uint32_t alpha = decoder.alphaFromFile ? channelValue(decoder.channels[3], pixel) : 0xFF;
    return alpha << 24 | channelValue(decoder.channels[0], pixel) << 16 |
           channelValue(decoder.channels[1], pixel) << 8 | channelValue(decoder.channels[2], pixel);
}

}  // namespace

uint32_t scaleComponent(uint32_t value, uint32_t bits) {
    if (bits == 0) {
        return 0;
    }
    if (bits >= 8) {
        return (value >> (bits - 8)) & 0xFF;
    }
    uint32_t scaled = 0;
    for (int32_t position = 8 - static_cast<int32_t>(bits); position > -static_cast<int32_t>(bits);
         position -= static_cast<int32_t>(bits)) {
        scaled |= position >= 0 ? value << position : value >> -position;
    }
    return scaled & 0xFF;
}

MaskedChannel maskedChannel(uint32_t mask) {
    if (mask == 0) {
        return MaskedChannel{};
    }
    const auto shift = static_cast<uint32_t>(std::countr_zero(mask));
    return MaskedChannel{mask, shift, static_cast<uint32_t>(std::bit_width(mask >> shift))};
}

BmpPixelDecoder makePixelDecoder(std::span<const uint8_t> file, const BmpFormat& format) {
    BmpPixelDecoder decoder;
    decoder.bitCount = format.bitCount;
    decoder.palette.fill(kOpaque);
    for (uint32_t i = 0; i < format.paletteEntries; ++i) {
        // paletteEntriesHeld has checked that every entry lies inside the file.
        const uint8_t* entry = file.data() + format.paletteOffset +
                               static_cast<uint64_t>(i) * format.paletteEntryBytes;
        decoder.palette[i] =
            kOpaque | uint32_t{entry[2]} << 16 | uint32_t{entry[1]} << 8 | entry[0];
    }
    for (size_t i = 0; i < decoder.channels.size(); ++i) {
        decoder.channels[i] = maskedChannel(format.masks[i]);
    }
    decoder.alphaFromFile = format.bitCount > 24;
    return decoder;
}

void decodeRow(const BmpPixelDecoder& decoder, const uint8_t* stored, uint32_t* out,
               int64_t columns) {
    switch (decoder.bitCount) {
        case 8:
            for (int64_t x = 0; x < columns; ++x) {
                out[x] = decoder.palette[stored[x]];
            }
            return;
        case 1:
        case 2:
        case 4: {
            // Pixels are packed from the high bits of each byte down.
            const uint32_t bits = decoder.bitCount;
            const uint32_t perByte = 8 / bits;
            const uint32_t indexMask = (1u << bits) - 1;
            for (int64_t x = 0; x < columns; ++x) {
                const uint32_t slot = static_cast<uint32_t>(x) % perByte;
                const uint32_t index =
                    (stored[x / perByte] >> (8 - bits - slot * bits)) & indexMask;
                out[x] = decoder.palette[index];
            }
            return;
        }
        case 16:
            for (int64_t x = 0; x < columns; ++x) {
                const uint8_t* p = stored + 2 * x;
                out[x] = maskedPixel(decoder, uint32_t{p[0]} | uint32_t{p[1]} << 8);
            }
            return;
        case 24:
            for (int64_t x = 0; x < columns; ++x) {
                const uint8_t* p = stored + 3 * x;
                out[x] = maskedPixel(decoder,
                                     uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16);
            }
            return;
        case 32:
            for (int64_t x = 0; x < columns; ++x) {
                const uint8_t* p = stored + 4 * x;
                out[x] = maskedPixel(decoder, uint32_t{p[0]} | uint32_t{p[1]} << 8 |
                                                  uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24);
            }
            return;
        default:
            return;  // the header parser accepts no other bit count
    }
}

}  // namespace kestrway
