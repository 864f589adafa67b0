// Uncompressed and bit-field BMP rows, bottom-first or top-first.
#include "platform/bmp_rows.h"

namespace kestrway {

ErrorCode decodePlainRows(std::span<const uint8_t> file, const BmpFormat& format,
                          const BmpPixelDecoder& decoder, const BmpTarget& target) {
    // Count the whole rows the file holds up front, so a header claiming
    // millions of rows costs nothing beyond the rows the image can take.
    const uint64_t storedBytes =
        format.pixelOffset <= file.size() ? file.size() - format.pixelOffset : 0;
    const uint64_t rowsHeld = storedBytes / format.rowBytes;
    for (int64_t y = 0; y < target.rows; ++y) {
        const auto storedIndex = static_cast<uint64_t>(format.topDown ? y : format.height - 1 - y);
        if (storedIndex < rowsHeld) {
            const uint8_t* stored =
                file.data() + format.pixelOffset + storedIndex * format.rowBytes;
            decodeRow(decoder, stored, target.row(y), target.columns);
        }
    }
    return rowsHeld >= static_cast<uint64_t>(format.height) ? ErrorCode::kOk
                                                            : ErrorCode::kFileError;
}

}  // namespace kestrway
