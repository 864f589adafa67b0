// Bounded opening of game files (see file_open.h).
#include "platform/file_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kestrway {

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

}  // namespace kestrway
