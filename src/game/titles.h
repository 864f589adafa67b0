// The game's name, version and web address as the window and title screen show them.
#pragma once

#include <string_view>

namespace kestrway {

inline constexpr std::string_view kMakerAddress = "www.kestrway.org";
inline constexpr std::string_view kVersionText = "v0.1 (27/01/2018)";
inline constexpr std::string_view kWindowTitle = "Kestrway [v0.1 (27/01/2018)] www.kestrway.org";

}  // namespace kestrway
