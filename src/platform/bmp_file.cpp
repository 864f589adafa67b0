// loadBitmap: reads a BMP file named the game's way and loads it into an Image.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <vector>

#include "platform/files.h"
#include "platform/host_path.h"
#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ErrorCode loadBitmap(std::string_view fileName, Image* image) {
    if (!screenDevice().open || image == nullptr) {
        return ErrorCode::kIllegalCall;
    }
    const std::string path = hostPath(fileName);
    std::error_code ignored;
    if (std::filesystem::is_directory(pathFromUtf8(path), ignored)) {
        return ErrorCode::kFileNotFound;
    }
    std::unique_ptr<std::FILE, FileClose> file{openBinaryForReading(path)};
    if (!file) {
        return ErrorCode::kFileNotFound;
    }
    // The whole file is read, never more: memory follows the file's real
    // size, not the sizes its headers claim.
    std::vector<uint8_t> bytes;
    try {
        uint8_t chunk[16384];
        size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    } catch (const std::bad_alloc&) {
        return ErrorCode::kOutOfMemory;
    }
    if (std::ferror(file.get()) != 0) {
        return ErrorCode::kFileError;
    }
    return loadBitmapBytes(bytes, image);
}

}  // namespace kestrway
