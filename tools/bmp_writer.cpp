// Encoding pictures as the BMP forms the game reads: 24-bit, 32-bit with alpha, 8-bit indexed.
#include "bmp_writer.h"

namespace kestrway {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

uint32_t paddedRowBytes(int32_t width, uint32_t bitsPerPixel) {
    return (static_cast<uint32_t>(width) * bitsPerPixel / 8 + 3) / 4 * 4;
}

// File header plus BITMAPINFOHEADER (BI_RGB); pixel data follows the palette.
std::vector<uint8_t> startBmp(int32_t width, int32_t height, uint32_t bitsPerPixel,
                              uint32_t paletteEntries) {
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    const uint32_t imageSize = paddedRowBytes(width, bitsPerPixel) * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageSize);
    put32(out, 0);  // two reserved 16-bit fields
    put32(out, pixelOffset);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));  // positive: bottom row first
    put16(out, 1);                              // planes
    put16(out, bitsPerPixel);
    put32(out, 0);  // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);  // 72 dpi, informational only
    put32(out, 2835);
    put32(out, paletteEntries);
    put32(out, 0);
    return out;
}

std::vector<uint8_t> encodeTrueColour(const Pixmap& picture, uint32_t bytesPerPixel) {
    std::vector<uint8_t> out = startBmp(picture.width, picture.height, bytesPerPixel * 8, 0);
    const uint32_t rowBytes = paddedRowBytes(picture.width, bytesPerPixel * 8);
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t colour = picture.get(x, y);
            out.push_back(static_cast<uint8_t>(colour));
            out.push_back(static_cast<uint8_t>(colour >> 8));
            out.push_back(static_cast<uint8_t>(colour >> 16));
            if (bytesPerPixel == 4) {
                out.push_back(static_cast<uint8_t>(colour >> 24));
            }
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

}  // namespace

std::vector<uint8_t> encodeBmp24(const Pixmap& picture) {
    return encodeTrueColour(picture, 3);
}

std::vector<uint8_t> encodeBmp32(const Pixmap& picture) {
    return encodeTrueColour(picture, 4);
}

std::vector<uint8_t> encodeBmp8(int32_t width, int32_t height, const std::vector<uint8_t>& indices,
                                const std::array<uint32_t, 256>& palette) {
    std::vector<uint8_t> out = startBmp(width, height, 8, 256);
    for (const uint32_t colour : palette) {
        put32(out, colour & 0xFFFFFF);  // blue, green, red, reserved 0
    }
    const uint32_t rowBytes = paddedRowBytes(width, 8);
    for (int32_t y = height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int32_t x = 0; x < width; ++x) {
            out.push_back(indices[static_cast<size_t>(y * width + x)]);
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

}  // namespace kestrway
