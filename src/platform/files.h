// Binary file reading by file number (1..255), with "\" and "/" both
// separating folders. Used by the map chunk loader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/error_code.h"

namespace kestrway {

constexpr int32_t kMaxFileNumber = 255;

// kFileNotFound when the file does not exist, kFileError when it is not a
// regular file of at most 64 MiB (a FIFO, a device, ...): see file_open.h.
ErrorCode openFileRead(std::string_view fileName, int32_t fileNumber);
// position 0 reads at the current position; 1 or more at byte position - 1.
// A file that ends early fills the rest of the buffer with 0 and still gives 0.
ErrorCode readFileBytes(int32_t fileNumber, int64_t position, void* buffer, size_t count);
ErrorCode closeFile(int32_t fileNumber);

// The game's name ("gfx\logo.bmp") as a path on this system, resolved
// against the data folder.
std::string hostPath(std::string_view fileName);
// Where relative game files are looked up; the working directory by default.
void setDataFolder(std::string_view folder);
// Closes every open file number (a fresh program for the next test).
void closeAllFiles();

}  // namespace kestrway
