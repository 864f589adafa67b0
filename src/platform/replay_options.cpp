// Reading --record, --play and --verify.
#include "platform/replay_options.h"

#include <array>
#include <string_view>
#include <utility>

namespace kestrway {

std::string readReplayOptions(const std::vector<std::string>& arguments, ReplayOptions& options) {
    constexpr std::array<std::pair<std::string_view, ReplayMode>, 3> kModes = {{
        {"--record", ReplayMode::kRecord},
        {"--play", ReplayMode::kPlay},
        {"--verify", ReplayMode::kVerify},
    }};
    options = ReplayOptions{};
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--mute") {
            options.mute = true;
            continue;
        }
        ReplayMode mode = ReplayMode::kNone;
        for (const auto& [name, named] : kModes) {
            if (argument == name) mode = named;
        }
        if (mode == ReplayMode::kNone) {
            return "unknown option '" + argument + "' (see --help)";
        }
        if (options.mode != ReplayMode::kNone) {
            return "one of --record, --play and --verify at a time";
        }
        if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
            return argument + " needs a FILE";
        }
        options.mode = mode;
        options.path = arguments[++i];
    }
    return "";
}

}  // namespace kestrway
