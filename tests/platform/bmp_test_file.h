// Builds BMP files in memory for the loader's tests: any header size, bit
// count, colour table, masks and stored rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kestrway::bmptest {

struct BmpFields {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;  // negative: top row stored first
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> palette;  // 0xRRGGBB entries
    // Four masks inside headers of 56 bytes or more; after a 40-byte header
    // the masks given are written right behind it.
    std::vector<uint32_t> masks;
    std::vector<uint8_t> pixels;  // stored rows or an RLE stream
    std::optional<uint32_t> pixelOffset;  // default: right after the colour table
};

inline void putLittleEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline std::vector<uint8_t> makeBmp(const BmpFields& bmp) {
    const bool core = bmp.headerSize == 12;
    const size_t entryBytes = core ? 3 : 4;
    const size_t masksAfterHeader = bmp.headerSize < 56 && !core ? bmp.masks.size() * 4 : 0;
    const size_t paletteAt = 14 + bmp.headerSize + masksAfterHeader;
    const size_t defaultOffset = paletteAt + bmp.palette.size() * entryBytes;
    const size_t pixelsAt = bmp.pixelOffset.value_or(static_cast<uint32_t>(defaultOffset));
    // Room for every field written, even when a short header size claims less.
    const size_t masksAt = bmp.headerSize >= 56 ? 54 : 14 + bmp.headerSize;
    const size_t fieldsEnd = core ? 26 : std::max<size_t>(54, masksAt + 4 * bmp.masks.size());
    std::vector<uint8_t> bytes(std::max({defaultOffset, pixelsAt + bmp.pixels.size(), fieldsEnd}), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
    putLittleEndian(bytes, 10, static_cast<uint32_t>(pixelsAt), 4);
    putLittleEndian(bytes, 14, bmp.headerSize, 4);
    if (core) {
        putLittleEndian(bytes, 18, static_cast<uint32_t>(bmp.width), 2);
        putLittleEndian(bytes, 20, static_cast<uint32_t>(bmp.height), 2);
        putLittleEndian(bytes, 22, bmp.planes, 2);
        putLittleEndian(bytes, 24, bmp.bitCount, 2);
    } else {
        putLittleEndian(bytes, 18, static_cast<uint32_t>(bmp.width), 4);
        putLittleEndian(bytes, 22, static_cast<uint32_t>(bmp.height), 4);
        putLittleEndian(bytes, 26, bmp.planes, 2);
        putLittleEndian(bytes, 28, bmp.bitCount, 2);
        putLittleEndian(bytes, 30, bmp.compression, 4);
        putLittleEndian(bytes, 46, bmp.colorsUsed, 4);
        for (size_t i = 0; i < bmp.masks.size(); ++i) {
            putLittleEndian(bytes, masksAt + 4 * i, bmp.masks[i], 4);
        }
    }
    for (size_t i = 0; i < bmp.palette.size(); ++i) {
        putLittleEndian(bytes, paletteAt + i * entryBytes, bmp.palette[i], static_cast<int>(entryBytes));
    }
    std::copy(bmp.pixels.begin(), bmp.pixels.end(), bytes.begin() + static_cast<ptrdiff_t>(pixelsAt));
    return bytes;
}

// Stored rows of width pixels at bits per pixel, each padded to 4 bytes;
// value(x, storedRow) gives each pixel's stored value (index or packed colour).
inline std::vector<uint8_t> packRows(int32_t width, int32_t storedRows, int bits,
                                     const std::function<uint32_t(int32_t, int32_t)>& value) {
    const size_t rowBytes = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
    std::vector<uint8_t> rows(rowBytes * static_cast<size_t>(storedRows), 0);
    for (int32_t r = 0; r < storedRows; ++r) {
        uint8_t* row = rows.data() + rowBytes * static_cast<size_t>(r);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t v = value(x, r);
            if (bits < 8) {
                const int bitAt = x * bits;
                row[bitAt / 8] |= static_cast<uint8_t>(v << (8 - bits - bitAt % 8));
            } else {
                for (int i = 0; i < bits / 8; ++i) {
                    row[static_cast<size_t>(x) * static_cast<size_t>(bits / 8) + static_cast<size_t>(i)] =
                        static_cast<uint8_t>(v >> (8 * i));
                }
            }
        }
    }
    return rows;
}

}  // namespace kestrway::bmptest
