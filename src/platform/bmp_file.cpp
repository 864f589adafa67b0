// loadBitmap: reads a BMP file named the game's way and loads it into an Image.
#include <cstdio>
#include <new>
#include <vector>

#include "platform/file_open.h"
#include "platform/files.h"
#include "platform/host_path.h"
#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

ErrorCode loadBitmap(std::string_view fileName, Image* image) {
    if (!screenDevice().open || image == nullptr) {
        return ErrorCode::kIllegalCall;
    }
    // Only a regular file of a sane size is read (see file_open.h).
    BoundedFile opened = openBoundedFile(hostPath(fileName));
    if (opened.result != ErrorCode::kOk) {
        return opened.result;
    }
    // The whole file is read, never more than the bound: memory follows the
    // file's real size, not the sizes its headers claim, and a file that
    // grows while it is read is refused once it passes the bound.
    std::vector<uint8_t> bytes;
    try {
        bytes.reserve(static_cast<size_t>(opened.size));
        uint8_t chunk[16384];
        size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, opened.file.get())) > 0) {
            if (static_cast<int64_t>(bytes.size() + got) > kMaxGameFileBytes) {
                return ErrorCode::kFileError;
            }
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
    } catch (const std::bad_alloc&) {
        return ErrorCode::kOutOfMemory;
    }
    if (std::ferror(opened.file.get()) != 0) {
        return ErrorCode::kFileError;
    }
    return loadBitmapBytes(bytes, image);
}

}  // namespace kestrway
