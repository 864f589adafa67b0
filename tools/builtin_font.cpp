// The built-in 8x16 text font: 256 glyphs rendered from DejaVu Sans Mono as 1-bit rows.
#include "builtin_font.h"

#include <algorithm>
#include <cstdio>

#include "glyph_renderer.h"

namespace kestrway {
namespace {

constexpr uint32_t kPixelHeight = 14;
// Cell row just below the baseline: caps sit on rows 2..11, descenders reach row 15.
constexpr int32_t kBaselineRow = 12;

bool isDrawnCode(uint32_t code) {
    return (code >= 32 && code <= 126) || code >= 160;
}

// Places a glyph in its cell on the common baseline; a glyph that would overrun
// the cell (wide letters, accented capitals) is nudged inside rather than cut.
// Glyphs up to 7 pixels wide keep column 7 free so neighbouring letters never touch.
void placeGlyph(const RenderedGlyph& glyph, uint8_t* rows) {
    const int32_t usableWidth =
        glyph.width < kBuiltinGlyphWidth ? kBuiltinGlyphWidth - 1 : kBuiltinGlyphWidth;
    int32_t originX = glyph.left;
    originX = std::min(originX, usableWidth - glyph.width);
    originX = std::max(originX, 0);
    int32_t originY = kBaselineRow - glyph.top;
    originY = std::min(originY, kBuiltinGlyphHeight - glyph.height);
    originY = std::max(originY, 0);
    for (int32_t y = 0; y < glyph.height; ++y) {
        for (int32_t x = 0; x < glyph.width; ++x) {
            const int32_t cellX = originX + x;
            const int32_t cellY = originY + y;
            if (glyph.at(x, y) != 0 && cellX < kBuiltinGlyphWidth && cellY < kBuiltinGlyphHeight) {
                rows[cellY] = static_cast<uint8_t>(rows[cellY] | (1u << cellX));
            }
        }
    }
}

}  // namespace

BuiltinFontBits renderBuiltinFont(const std::string& fontPath) {
    const GlyphRenderer renderer(fontPath, kPixelHeight);
    BuiltinFontBits bits{};
    for (uint32_t code = 0; code < 256; ++code) {
        if (isDrawnCode(code)) {
            placeGlyph(renderer.render(code, true), &bits[code * kBuiltinGlyphHeight]);
        }
    }
    return bits;
}

std::string formatBuiltinFontInclude(const BuiltinFontBits& bits) {
    std::string text =
        "// Built-in 8x16 text font (DejaVu Sans Mono, made by kestrway_datagen): glyph g row r at "
        "g*16+r, bit 0 = leftmost pixel.\n";
    char literal[8];
    for (size_t i = 0; i < bits.size(); ++i) {
        std::snprintf(literal, sizeof literal, "0x%02X,", bits[i]);
        text += literal;
        text += (i % 16 == 15) ? "\n" : " ";
    }
    return text;
}

}  // namespace kestrway
