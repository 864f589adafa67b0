// The proportional title font picture: a 1073x24 strip of white glyphs with a header row of widths.
#pragma once

#include <string>

#include "pixmap.h"

namespace kestrway {

constexpr int32_t kTitleFontWidth = 1073;
constexpr int32_t kTitleFontHeight = 24;
constexpr uint32_t kTitleFontFirst = 32;
constexpr uint32_t kTitleFontLast = 126;

// Row 0 carries the raw header bytes (format 0, first and last code, one width per
// character) packed four to a pixel in blue, green, red, alpha order; rows 1..23 hold
// the glyphs side by side on the mask colour. Must be stored as a 32-bit file so
// the fourth byte of each pixel survives loading.
Pixmap renderTitleFont(const std::string& fontPath);

}  // namespace kestrway
