// The program's icon: the player's red car on a stretch of road, seen from
// above. One list of rounded rectangles draws both the SVG the desktop
// installs and the pixels the window shows, so the two always match.
#pragma once

#include <cstdint>
#include <string>

#include "pixmap.h"

namespace kestrway {

constexpr int32_t kAppIconSize = 64;

// The icon as an SVG document (64x64 view box).
std::string appIconSvg();
// The same icon rasterised at 64x64 (0xAARRGGBB, transparent outside the
// rounded background).
Pixmap drawAppIcon();
// The pixels as C++ initializer contents: a comment line, then 8 literals per line.
std::string formatAppIconInclude(const Pixmap& icon);

}  // namespace kestrway
