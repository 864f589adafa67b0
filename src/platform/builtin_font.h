// The built-in 8x16 text font: 256 glyphs of 16 rows, bit 0 the leftmost column.
#pragma once

#include <cstdint>

namespace kestrway {

constexpr int32_t kGlyphWidth = 8;
constexpr int32_t kGlyphHeight = 16;

// The 16 row bytes of a character's glyph.
const uint8_t* builtinGlyph(uint8_t code);

}  // namespace kestrway
