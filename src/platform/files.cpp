// Numbered binary files for the game's own readers.
#include "platform/files.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "platform/file_open.h"
#include "platform/host_path.h"

namespace kestrway {

namespace {

std::array<std::FILE*, kMaxFileNumber + 1> gFiles{};
// Never destroyed, like the screen: the game thread may be opening a file
// while another thread ends the process.
std::string& gDataFolder = *new std::string;

bool validNumber(int32_t fileNumber) {
    return fileNumber >= 1 && fileNumber <= kMaxFileNumber;
}

// To byte offset (counted from 0) of the file; false when it cannot be reached.
bool seekTo(std::FILE* file, int64_t offset) {
#ifdef _WIN32
    // long, and so off_t, is 32 bits on Windows: offsets past 2 GiB need this.
    return _fseeki64(file, offset, SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

}  // namespace

void setDataFolder(std::string_view folder) {
    gDataFolder.assign(folder);
}

std::string hostPath(std::string_view fileName) {
    std::string path(fileName);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if (!gDataFolder.empty() && !path.empty() && !pathFromUtf8(path).has_root_path()) {
        path = gDataFolder + "/" + path;
    }
    return path;
}

ErrorCode openFileRead(std::string_view fileName, int32_t fileNumber) {
    if (!validNumber(fileNumber) || gFiles[static_cast<size_t>(fileNumber)] != nullptr) {
        return ErrorCode::kIllegalCall;
    }
    // Only a regular file of a sane size (see file_open.h).
    BoundedFile opened = openBoundedFile(hostPath(fileName));
    if (opened.result != ErrorCode::kOk) return opened.result;
    gFiles[static_cast<size_t>(fileNumber)] = opened.file.release();
    return ErrorCode::kOk;
}

ErrorCode readFileBytes(int32_t fileNumber, int64_t position, void* buffer, size_t count) {
    if (!validNumber(fileNumber) || position < 0) return ErrorCode::kIllegalCall;
    std::FILE* file = gFiles[static_cast<size_t>(fileNumber)];
    if (file == nullptr) return ErrorCode::kIllegalCall;
    auto* bytes = static_cast<unsigned char*>(buffer);
    size_t got = 0;
    // A position past the end simply reads nothing; the buffer is zeroed.
    if (position == 0 || seekTo(file, position - 1)) {
        got = std::fread(bytes, 1, count, file);
    }
    if (got < count) std::memset(bytes + got, 0, count - got);
    return ErrorCode::kOk;
}

ErrorCode closeFile(int32_t fileNumber) {
    if (!validNumber(fileNumber) || gFiles[static_cast<size_t>(fileNumber)] == nullptr) {
        return ErrorCode::kIllegalCall;
    }
    std::fclose(gFiles[static_cast<size_t>(fileNumber)]);
    gFiles[static_cast<size_t>(fileNumber)] = nullptr;
    return ErrorCode::kOk;
}

void closeAllFiles() {
    for (int32_t n = 1; n <= kMaxFileNumber; ++n) {
        if (gFiles[static_cast<size_t>(n)] != nullptr) closeFile(n);
    }
}

}  // namespace kestrway
