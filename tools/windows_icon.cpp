// Writes an icon file: the directory, one entry, then the image as a
// bottom-up BMP body of twice the height (colour rows, then the mask rows).
#include "windows_icon.h"

#include <cstdint>

namespace kestrway {
namespace {

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

std::string formatWindowsIcon(const Pixmap& icon) {
    const auto width = static_cast<uint32_t>(icon.width);
    const auto height = static_cast<uint32_t>(icon.height);
    // Mask rows are one bit per pixel, padded to whole 32-bit words.
    const uint32_t maskRowBytes = (width + 31) / 32 * 4;
    const uint32_t imageBytes = 40 + width * height * 4 + maskRowBytes * height;
    constexpr uint32_t kImageOffset = 6 + 16;
    std::string out;
    putLittleEndian(out, 0, 2);  // reserved
    putLittleEndian(out, 1, 2);  // an icon, not a cursor
    putLittleEndian(out, 1, 2);  // one image
    putLittleEndian(out, width >= 256 ? 0 : width, 1);
    putLittleEndian(out, height >= 256 ? 0 : height, 1);
    putLittleEndian(out, 0, 1);   // no palette
    putLittleEndian(out, 0, 1);   // reserved
    putLittleEndian(out, 1, 2);   // planes
    putLittleEndian(out, 32, 2);  // bits per pixel
    putLittleEndian(out, imageBytes, 4);
    putLittleEndian(out, kImageOffset, 4);
    putLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
    putLittleEndian(out, width, 4);
    putLittleEndian(out, height * 2, 4);
    putLittleEndian(out, 1, 2);
    putLittleEndian(out, 32, 2);
    for (int i = 0; i < 6; ++i) putLittleEndian(out, 0, 4);  // BI_RGB, sizes, palette counts
    for (int32_t y = icon.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < icon.width; ++x) putLittleEndian(out, icon.get(x, y), 4);
    }
    // The alpha channel decides what shows; the mask marks nothing.
    out.append(static_cast<size_t>(maskRowBytes) * height, '\0');
    return out;
}

}  // namespace kestrway
