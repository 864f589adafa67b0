// Loading a BMP file held in memory into an existing Image, keeping the
// Image's size: the file's top-left part lands on the Image's top-left.
#include <algorithm>

#include "platform/bmp_format.h"
#include "platform/bmp_pixels.h"
#include "platform/bmp_rows.h"
#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

ErrorCode loadBitmapBytes(std::span<const uint8_t> file, Image* image) {
    if (!screenDevice().open || image == nullptr || image->header.bytesPerPixel != 4) {
        return ErrorCode::kIllegalCall;
    }
    BmpFormat format;
    if (const ErrorCode parsed = parseBmpFormat(file, format); parsed != ErrorCode::kOk) {
        return parsed;
    }
    const BmpPixelDecoder decoder = makePixelDecoder(file, format);
    const BmpTarget target{
        .pixels = image->pixelArea(),
        .pitch = image->header.pitch,
        .columns = std::min<int64_t>(format.width, image->header.width),
        .rows = std::min<int64_t>(format.height, image->header.height),
    };
    if (format.compression == BmpCompression::kRle8 ||
        format.compression == BmpCompression::kRle4) {
        return decodeRleRows(file, format, decoder, target);
    }
    return decodePlainRows(file, format, decoder, target);
}

}  // namespace kestrway
