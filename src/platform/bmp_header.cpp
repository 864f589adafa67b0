// Reads and checks a BMP file's file header, info header, masks and colour
// table position.
#include <algorithm>
#include <limits>

#include "platform/bmp_bytes.h"
#include "platform/bmp_format.h"

namespace kestrway {

namespace {

constexpr uint32_t kSignatureBM = 0x4D42;  // "BM" read little-endian
constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;

bool isHeaderSizeWeRead(uint32_t size) {
    return size == kCoreHeaderBytes || size == 40 || size == 56 || size == 108 || size == 124;
}

bool isBitCountWeRead(uint32_t bits) {
    return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
           bits == 32;
}

void setDefaultMasks(BmpFormat& format) {
    if (format.bitCount <= 16) {
        format.masks = {0x7C00, 0x3E0, 0x1F, 0};
    } else {
        format.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    }
}

// How many colour entries the file really holds: the count the header
// claims (all 2^bitCount when it claims none or too many), cut to what fits
// before the pixel rows and before the end of the file.
uint32_t paletteEntriesHeld(const BmpFormat& format, uint32_t colorsUsed, uint64_t fileBytes) {
    const uint32_t full = 1u << format.bitCount;
    uint64_t entries = (colorsUsed >= 1 && colorsUsed <= full) ? colorsUsed : full;
    if (format.pixelOffset >= format.paletteOffset) {
        entries = std::min<uint64_t>(
            entries, (format.pixelOffset - format.paletteOffset) / format.paletteEntryBytes);
    }
    const uint64_t bytesLeft =
        fileBytes > format.paletteOffset ? fileBytes - format.paletteOffset : 0;
    return static_cast<uint32_t>(std::min<uint64_t>(entries, bytesLeft / format.paletteEntryBytes));
}

}  // namespace

ErrorCode parseBmpFormat(std::span<const uint8_t> file, BmpFormat& format) {
    format = BmpFormat{};
    const auto signature = readU16(file, 0);
    const auto pixelOffset = readU32(file, 10);
    const auto headerSize = readU32(file, kFileHeaderBytes);
    if (!signature || *signature != kSignatureBM || !pixelOffset || !headerSize ||
        !isHeaderSizeWeRead(*headerSize)) {
        return ErrorCode::kFileError;
    }
    format.pixelOffset = *pixelOffset;
    format.paletteOffset = kFileHeaderBytes + *headerSize;

    int64_t signedHeight = 0;
    uint32_t planes = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    if (*headerSize == kCoreHeaderBytes) {
        const auto width = readU16(file, 18);
        const auto height = readU16(file, 20);
        const auto planesField = readU16(file, 22);
        const auto bits = readU16(file, 24);
        if (!width || !height || !planesField || !bits) {
            return ErrorCode::kFileError;
        }
        format.width = *width;
        signedHeight = *height;
        planes = *planesField;
        format.bitCount = *bits;
        format.paletteEntryBytes = 3;
    } else {
        const auto width = readU32(file, 18);
        const auto height = readU32(file, 22);
        const auto planesField = readU16(file, 26);
        const auto bits = readU16(file, 28);
        const auto compressionField = readU32(file, 30);
        const auto colorsUsedField = readU32(file, 46);
        if (!width || !height || !planesField || !bits || !compressionField || !colorsUsedField) {
            return ErrorCode::kFileError;
        }
        format.width = static_cast<int32_t>(*width);
        signedHeight = static_cast<int32_t>(*height);
        planes = *planesField;
        format.bitCount = *bits;
        compression = *compressionField;
        colorsUsed = *colorsUsedField;
    }

    if (planes > 1 || format.width <= 0 || signedHeight == 0 || compression >= 4) {
        return ErrorCode::kFileError;
    }
    format.compression = static_cast<BmpCompression>(compression);
    if (signedHeight < 0) {
        const bool plainRows = format.compression == BmpCompression::kPlain ||
                               format.compression == BmpCompression::kBitFields;
        // -2^31 has no positive counterpart in 32 bits; no real file is that tall.
        if (!plainRows || signedHeight == std::numeric_limits<int32_t>::min()) {
            return ErrorCode::kFileError;
        }
        format.topDown = true;
        signedHeight = -signedHeight;
    }
    format.height = signedHeight;

    if (!isBitCountWeRead(format.bitCount) ||
        (format.compression == BmpCompression::kRle8 && format.bitCount != 8) ||
        (format.compression == BmpCompression::kRle4 && format.bitCount != 4) ||
        format.pixelOffset == 0) {
        return ErrorCode::kFileError;
    }

    if (format.bitCount <= 8) {
        format.paletteEntries = paletteEntriesHeld(format, colorsUsed, file.size());
    } else {
        setDefaultMasks(format);
        if (*headerSize >= 56) {
            // Past the sizes and compression: resolution and colour counts, then the masks.
            for (uint64_t i = 0; i < 4; ++i) {
                const auto mask = readU32(file, kFileHeaderBytes + 40 + 4 * i);
                if (!mask) {
                    return ErrorCode::kFileError;
                }
                if (format.compression == BmpCompression::kBitFields) {
                    format.masks[i] = *mask;
                }
            }
        } else if (format.compression == BmpCompression::kBitFields) {
            for (uint64_t i = 0; i < 3; ++i) {
                const auto mask = readU32(file, format.paletteOffset + 4 * i);
                if (!mask) {
                    return ErrorCode::kFileError;
                }
                format.masks[i] = *mask;
            }
            format.masks[3] = 0;
        }
    }

    const uint64_t rowBits = static_cast<uint64_t>(format.width) * format.bitCount;
    format.rowBytes = (rowBits + 31) / 32 * 4;
    return ErrorCode::kOk;
}

}  // namespace kestrway
