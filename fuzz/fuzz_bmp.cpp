// Fuzzes the BMP loader: every input is loaded into a 32x32 picture and a
// 1073x24 font-sized one. The loader may only answer ok or file error, and
// must never change an image's size or header (the sanitizers catch any
// read or write outside the file or the image).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen.h"

namespace {

void loadAndCheck(kestrway::Image* image, const uint8_t* data, size_t size) {
    const kestrway::ImageHeader before = image->header;
    const kestrway::ErrorCode result = kestrway::loadBitmapBytes({data, size}, image);
    if (std::memcmp(&before, &image->header, sizeof before) != 0) {
        std::abort();
    }
    if (result != kestrway::ErrorCode::kOk && result != kestrway::ErrorCode::kFileError) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kestrway::headless::reset();
    kestrway::openScreen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kestrway::ImagePtr sprite = kestrway::createImage(32, 32, 0xFF64FF64);
    static const kestrway::ImagePtr font = kestrway::createImage(1073, 24);
    loadAndCheck(sprite.get(), data, size);
    loadAndCheck(font.get(), data, size);
    return 0;
}
