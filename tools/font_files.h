// Where the Debian fonts-dejavu-core package installs the fonts the generator renders from.
#pragma once

namespace kestrway {

constexpr const char* kMonoFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
constexpr const char* kTitleFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kLogoFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf";

}  // namespace kestrway
