// The replay options of the command line: --record FILE, --play FILE and
// --verify FILE, one at a time. --help and --version are answered before.
#pragma once

#include <string>
#include <vector>

namespace kestrway {

enum class ReplayMode { kNone, kRecord, kPlay, kVerify };

struct ReplayOptions {
    ReplayMode mode = ReplayMode::kNone;
    std::string path;
};

// arguments[0] is the program. "" when they can be used; otherwise one line
// saying what is wrong (the program then ends with status 2).
std::string readReplayOptions(const std::vector<std::string>& arguments, ReplayOptions& options);

}  // namespace kestrway
