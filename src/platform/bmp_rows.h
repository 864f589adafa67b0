// Writing a BMP file's pixel rows into an Image's rows: plain rows and the
// run-length encoded forms.
#pragma once

#include <cstdint>
#include <span>

#include "platform/bmp_format.h"
#include "platform/bmp_pixels.h"
#include "platform/error_code.h"

namespace kestrway {

// The part of an Image a load may write: its top-left columns x rows.
struct BmpTarget {
    uint8_t* pixels = nullptr;
    uint64_t pitch = 0;
    int64_t columns = 0;
    int64_t rows = 0;
    uint32_t* row(int64_t y) const { return reinterpret_cast<uint32_t*>(pixels + y * pitch); }
};

// Plain and bit-field rows. A stored row the file does not hold in full ends
// the load with kFileError; the rows before it stay written.
ErrorCode decodePlainRows(std::span<const uint8_t> file, const BmpFormat& format,
                          const BmpPixelDecoder& decoder, const BmpTarget& target);

// RLE8 and RLE4. Pixels the stream skips keep their previous colour. A stream
// that ends before its end-of-bitmap code or writes or moves outside the
// picture ends the load with kFileError, keeping what was decoded.
ErrorCode decodeRleRows(std::span<const uint8_t> file, const BmpFormat& format,
                        const BmpPixelDecoder& decoder, const BmpTarget& target);

}  // namespace kestrway
