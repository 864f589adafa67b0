// Encoding indexed PNGs: signature, IHDR, PLTE, one zlib-compressed IDAT
// (every row with filter 0) and IEND, each chunk with its CRC.
#include "png_writer.h"

#include <zlib.h>

#include <stdexcept>
#include <string_view>

namespace kestrway {

namespace {

void putU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int32_t shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void putChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& body) {
    putU32(out, static_cast<uint32_t>(body.size()));
    const size_t typeAt = out.size();
    for (const char c : type) out.push_back(static_cast<uint8_t>(c));
    out.insert(out.end(), body.begin(), body.end());
    const uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    putU32(out, static_cast<uint32_t>(crc));
}

}  // namespace

std::vector<uint8_t> encodePngIndexed(int32_t width, int32_t height,
                                      const std::vector<uint8_t>& indices,
                                      const std::vector<uint32_t>& palette) {
    std::vector<uint8_t> header;
    putU32(header, static_cast<uint32_t>(width));
    putU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 3, 0, 0, 0});  // 8 bits, indexed, deflate, filter 0, plain
    std::vector<uint8_t> colours;
    for (const uint32_t colour : palette) {
        colours.insert(colours.end(),
                       {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                        static_cast<uint8_t>(colour)});
    }
    std::vector<uint8_t> rows;
    for (int32_t y = 0; y < height; ++y) {
        rows.push_back(0);
        const auto at = indices.begin() + static_cast<ptrdiff_t>(y) * width;
        rows.insert(rows.end(), at, at + width);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) !=
        Z_OK) {
        throw std::runtime_error("cannot compress a picture");
    }
    packed.resize(packedSize);
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "PLTE", colours);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace kestrway
