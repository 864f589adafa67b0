// A headless screen plus helpers that load in-memory BMP files into Images
// from exactly sized buffers, so any read past the file's end is caught.
#pragma once

#include <cstring>
#include <memory>
#include <vector>

#include "platform/image.h"
#include "support/open_screen_fixture.h"
#include "bmp_test_file.h"

namespace kestrway::bmptest {

constexpr uint32_t kUntouched = 0xFF64FF64;

inline ErrorCode loadExact(const std::vector<uint8_t>& file, Image* image) {
    auto copy = std::make_unique<uint8_t[]>(file.size());
    if (!file.empty()) std::memcpy(copy.get(), file.data(), file.size());
    return loadBitmapBytes({copy.get(), file.size()}, image);
}

// The image's pixels, row by row, spare pixels left out.
inline std::vector<uint32_t> pixelsOf(const Image& image) {
    std::vector<uint32_t> pixels;
    for (uint32_t y = 0; y < image.header.height; ++y) {
        const uint32_t* row = image.row(static_cast<int32_t>(y));
        pixels.insert(pixels.end(), row, row + image.header.width);
    }
    return pixels;
}

inline bool allUntouched(const Image& image) {
    for (uint32_t p : pixelsOf(image)) {
        if (p != kUntouched) return false;
    }
    return true;
}

class BmpTest : public OpenScreenTest {
protected:
    static ImagePtr blank(int32_t width, int32_t height) { return createImage(width, height, kUntouched); }
};

}  // namespace kestrway::bmptest
