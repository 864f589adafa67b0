// The built-in 8x16 text font: 256 glyphs rendered from DejaVu Sans Mono as 1-bit rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kestrway {

constexpr int32_t kBuiltinGlyphWidth = 8;
constexpr int32_t kBuiltinGlyphHeight = 16;
using BuiltinFontBits = std::array<uint8_t, 256 * kBuiltinGlyphHeight>;

// Glyph g, row r is byte g x 16 + r; bit 0 is the leftmost pixel. Codes 32..126 and
// 160..255 (Latin-1) are drawn; the control codes stay blank.
BuiltinFontBits renderBuiltinFont(const std::string& fontPath);
// The bytes as C++ initializer contents: a comment line, then 16 literals per line.
std::string formatBuiltinFontInclude(const BuiltinFontBits& bits);

}  // namespace kestrway
