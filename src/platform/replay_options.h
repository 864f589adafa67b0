// The options of the command line: --record FILE, --play FILE and --verify
// FILE, one at a time, and --mute. --help and --version are answered before.
#pragma once

#include <string>
#include <vector>

namespace kestrway {

enum class ReplayMode { kNone, kRecord, kPlay, kVerify };

struct ReplayOptions {
    ReplayMode mode = ReplayMode::kNone;
    std::string path;
    // Start with sound off (M turns it on).
    bool mute = false;
};

// arguments[0] is the program. "" when they can be used; otherwise one line
// saying what is wrong (the program then ends with status 2).
std::string readReplayOptions(const std::vector<std::string>& arguments, ReplayOptions& options);

}  // namespace kestrway
