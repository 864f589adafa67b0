// Bounded opening of game files (see file_open.h).
#include "platform/file_open.h"

#include <sys/stat.h>

#include <cerrno>
#include <utility>

#ifdef _WIN32
#include <filesystem>
#include <string_view>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kestrway {

#ifdef _WIN32

// Windows has no FIFOs or devices under ordinary names; the open file's own
// type and size are checked all the same. Names are UTF-8.
BoundedFile openBoundedFile(const std::string& path, int64_t maxBytes) {
    BoundedFile opened;
    const std::filesystem::path native(std::u8string(path.begin(), path.end()));
    std::error_code ignored;
    if (std::filesystem::is_directory(native, ignored)) return opened;  // kFileNotFound
    std::FILE* file = _wfopen(native.c_str(), L"rb");
    if (file == nullptr) {
        opened.result = errno == ENOENT ? ErrorCode::kFileNotFound : ErrorCode::kFileError;
        return opened;
    }
    FileHandle handle(file);
    struct _stat64 info {};
    if (_fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG ||
        info.st_size < 0 || info.st_size > maxBytes) {
        opened.result = ErrorCode::kFileError;
        return opened;
    }
    opened.result = ErrorCode::kOk;
    opened.file = std::move(handle);
    opened.size = static_cast<int64_t>(info.st_size);
    return opened;
}

#else

BoundedFile openBoundedFile(const std::string& path, int64_t maxBytes) {
    BoundedFile opened;
    // Non-blocking, so that opening a FIFO does not wait for a writer; the
    // descriptor's own type is then checked, not the name's (no race with a
    // file swapped in between).
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        opened.result =
            errno == ENOENT || errno == ENOTDIR ? ErrorCode::kFileNotFound : ErrorCode::kFileError;
        return opened;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        opened.result = ErrorCode::kFileError;
        return opened;
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        opened.result = ErrorCode::kFileNotFound;
        return opened;
    }
    if (!S_ISREG(info.st_mode) || info.st_size < 0 || info.st_size > maxBytes) {
        ::close(fd);
        opened.result = ErrorCode::kFileError;
        return opened;
    }
    // Reads of a regular file never block; the flag is cleared all the same.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        opened.result = ErrorCode::kFileError;
        return opened;
    }
    opened.result = ErrorCode::kOk;
    opened.file.reset(file);
    opened.size = static_cast<int64_t>(info.st_size);
    return opened;
}

#endif

}  // namespace kestrway
