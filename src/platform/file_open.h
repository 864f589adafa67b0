// Opening a game file for reading, bounded: only a regular file of at most
// kMaxGameFileBytes is opened. Anything else (a FIFO, a device such as
// /dev/zero, a socket, a file too big for any picture or map the game can
// use) is refused at once, without reading a byte or waiting for a writer.
// Shared by loadBitmap and the numbered files the map loader reads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/error_code.h"

namespace kestrway {

// 64 MiB: hundreds of times the largest picture the game ships, and room
// for a 32-bit picture of 4096 x 4096 pixels; a map chunk is under 2 KiB.
constexpr int64_t kMaxGameFileBytes = int64_t{64} << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct BoundedFile {
    ErrorCode result = ErrorCode::kFileNotFound;
    FileHandle file;   // set only when result is kOk
    int64_t size = 0;  // the file's size when it was opened
};

// kOk and the open file; kFileNotFound when nothing of that name exists (or
// it is a folder, as before); kFileError for everything else: not a regular
// file, larger than maxBytes, or not openable.
BoundedFile openBoundedFile(const std::string& path, int64_t maxBytes = kMaxGameFileBytes);

}  // namespace kestrway
