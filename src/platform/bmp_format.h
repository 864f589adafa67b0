// The layout of a BMP file as its headers describe it, and the parser that
// checks those headers before any pixel is touched.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/error_code.h"

namespace kestrway {

enum class BmpCompression : uint32_t { kPlain = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct BmpFormat {
    int64_t width = 0;
    int64_t height = 0;  // always positive; topDown says which way the rows run
    bool topDown = false;
    uint32_t bitCount = 0;
    BmpCompression compression = BmpCompression::kPlain;
    // Red, green, blue and alpha masks, used above 8 bits per pixel.
    std::array<uint32_t, 4> masks{};
    uint64_t paletteOffset = 0;
    uint32_t paletteEntryBytes = 4;  // 3 in files with the 12-byte header
    uint32_t paletteEntries = 0;     // entries the table holds, at most 2^bitCount
    uint64_t pixelOffset = 0;
    uint64_t rowBytes = 0;  // one stored row of a plain file, padded to 4 bytes
};

// Fills format from the file's headers: kFileError for anything we do not
// read (wrong signature, unknown header size, short headers, bad sizes,
// unsupported bit counts or compressions).
ErrorCode parseBmpFormat(std::span<const uint8_t> file, BmpFormat& format);

}  // namespace kestrway
