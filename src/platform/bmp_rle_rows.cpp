// RLE8 and RLE4 decoding: encoded runs, absolute runs, end-of-line,
// end-of-bitmap and delta codes, rows stored bottom-first.
#include <algorithm>

#include "platform/bmp_rows.h"

namespace kestrway {

namespace {

enum RleEscape : uint8_t { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

class RleWriter {
  public:
    RleWriter(const BmpFormat& format, const BmpPixelDecoder& decoder, const BmpTarget& target)
        : format_(format), decoder_(decoder), target_(target) {}

    // Whether count pixels fit from the pen to the end of its row.
    bool fits(int64_t count) const { return y_ < format_.height && x_ + count <= format_.width; }

    // Writes count pixels whose colour-table indices indexAt(i) gives, then
    // moves the pen past them. The caller has checked fits(count).
    template <typename IndexAt>
    void put(int64_t count, IndexAt indexAt) {
        const int64_t pictureRow = format_.height - 1 - y_;
        if (pictureRow < target_.rows) {
            uint32_t* out = target_.row(pictureRow);
            const int64_t visible = std::min(count, target_.columns - x_);
            for (int64_t i = 0; i < visible; ++i) {
                out[x_ + i] = decoder_.palette[indexAt(i)];
            }
        }
        x_ += count;
    }

    void endLine() {
        x_ = 0;
        ++y_;
    }

    // Moves the pen right and up; false when that leaves the picture.
    bool move(int64_t dx, int64_t dy) {
        x_ += dx;
        y_ += dy;
        return x_ <= format_.width && y_ <= format_.height;
    }

  private:
    const BmpFormat& format_;
    const BmpPixelDecoder& decoder_;
    const BmpTarget& target_;
    int64_t x_ = 0;
    int64_t y_ = 0;  // stored row: 0 is the picture's bottom row
};

}  // namespace

ErrorCode decodeRleRows(std::span<const uint8_t> file, const BmpFormat& format,
                        const BmpPixelDecoder& decoder, const BmpTarget& target) {
    const bool fourBit = format.compression == BmpCompression::kRle4;
    // Two 4-bit indices per byte, high half first.
    auto nibble = [](uint8_t byte, int64_t i) -> uint8_t {
        return (i & 1) == 0 ? byte >> 4 : byte & 0x0F;
    };
    RleWriter writer(format, decoder, target);
    uint64_t at = format.pixelOffset;
    const uint64_t end = file.size();
    while (at <= end && end - at >= 2) {
        const uint8_t count = file[at];
        const uint8_t code = file[at + 1];
        at += 2;
        if (count > 0) {
            if (!writer.fits(count)) {
                return ErrorCode::kFileError;
            }
            if (fourBit) {
                writer.put(count, [&](int64_t i) { return nibble(code, i); });
            } else {
                writer.put(count, [&](int64_t) { return code; });
            }
            continue;
        }
        if (code == kEndOfLine) {
            writer.endLine();
        } else if (code == kEndOfBitmap) {
            return ErrorCode::kOk;
        } else if (code == kDelta) {
            if (end - at < 2 || !writer.move(file[at], file[at + 1])) {
                return ErrorCode::kFileError;
            }
            at += 2;
        } else {
            // An absolute run of code pixels, padded to a whole 16-bit word.
            const uint64_t dataBytes = fourBit ? (code + 1u) / 2 : code;
            const uint64_t paddedBytes = dataBytes + (dataBytes & 1);
            if (end - at < paddedBytes || !writer.fits(code)) {
                return ErrorCode::kFileError;
            }
            const uint8_t* data = file.data() + at;
            if (fourBit) {
                writer.put(code, [&](int64_t i) { return nibble(data[i / 2], i); });
            } else {
                writer.put(code, [&](int64_t i) { return data[i]; });
            }
            at += paddedBytes;
        }
    }
    return ErrorCode::kFileError;  // the stream ran out before its end-of-bitmap code
}

}  // namespace kestrway
