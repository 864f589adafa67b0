// Fuzzes the BMP loader: every input is loaded into a 32x32 picture and a
// 1073x24 font-sized one, from memory and through the file front end
// (loadBitmap reading it from a file). The loader may only answer ok or file
// error, must never change an image's size or header, and must give the
// same answer and pixels from the file as from the bytes (the sanitizers
// catch any read or write outside the file or the image).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen.h"

namespace {

std::string gFilePath;

void checkResult(kestrway::Image* image, const kestrway::ImageHeader& before,
                 kestrway::ErrorCode result) {
    if (std::memcmp(&before, &image->header, sizeof before) != 0) {
        std::abort();
    }
    if (result != kestrway::ErrorCode::kOk && result != kestrway::ErrorCode::kFileError) {
        std::abort();
    }
}

kestrway::ErrorCode loadAndCheck(kestrway::Image* image, const uint8_t* data, size_t size) {
    const kestrway::ImageHeader before = image->header;
    const kestrway::ErrorCode result = kestrway::loadBitmapBytes({data, size}, image);
    checkResult(image, before, result);
    return result;
}

void writeInput(const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(gFilePath.c_str(), "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    std::fclose(out);
}

// The whole picture, pixels and the spare bytes of each row alike.
bool samePixels(const kestrway::Image& a, const kestrway::Image& b) {
    return std::memcmp(a.pixelArea(), b.pixelArea(), size_t{a.header.pitch} * a.header.height) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kestrway::headless::reset();
    kestrway::openScreen();
    // RAM when the system has it: one file is written per input.
    std::error_code ignored;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    gFilePath = (base / ("kestrway_fuzz_bmp_" + std::to_string(::getpid()) + ".bmp")).string();
    std::atexit([] { std::remove(gFilePath.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kestrway::ImagePtr sprite = kestrway::createImage(32, 32, 0xFF64FF64);
    static const kestrway::ImagePtr font = kestrway::createImage(1073, 24);
    static const kestrway::ImagePtr fromFile = kestrway::createImage(32, 32, 0xFF64FF64);
    // Both copies start from the same picture: each input is compared alone.
    std::memcpy(fromFile->pixelArea(), sprite->pixelArea(), size_t{sprite->header.pitch} * 32);
    const kestrway::ErrorCode fromBytes = loadAndCheck(sprite.get(), data, size);
    loadAndCheck(font.get(), data, size);

    writeInput(data, size);
    const kestrway::ImageHeader before = fromFile->header;
    const kestrway::ErrorCode result = kestrway::loadBitmap(gFilePath, fromFile.get());
    checkResult(fromFile.get(), before, result);
    if (result != fromBytes || !samePixels(*sprite, *fromFile)) {
        std::abort();
    }
    return 0;
}
