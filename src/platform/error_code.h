// Result codes of every platform operation. The game never examines them;
// tests and tools do.
#pragma once

#include <cstdint>

namespace kestrway {

enum class ErrorCode : int32_t {
    kOk = 0,
    kIllegalCall = 1,
    kFileNotFound = 2,
    kFileError = 3,  // a read that fell short, or a file of a form we do not accept
    kOutOfMemory = 4,
};

}  // namespace kestrway
