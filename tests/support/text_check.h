// Reads built-in-font text back off the screen: every pixel of each 8x16
// cell is either a glyph bit in the expected colour or left as it was.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/builtin_font.h"
#include "platform/screen.h"

namespace kestrway {

inline bool screenShowsText(int32_t x, int32_t y, std::string_view text, uint32_t colour,
                            uint32_t background) {
    const uint32_t* screen = screenPixels();
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t* glyph = builtinGlyph(static_cast<uint8_t>(text[i]));
        for (int32_t row = 0; row < kGlyphHeight; ++row) {
            for (int32_t column = 0; column < kGlyphWidth; ++column) {
                const int32_t px = x + static_cast<int32_t>(i) * kGlyphWidth + column;
                const uint32_t want = ((glyph[row] >> column) & 1) ? colour : background;
                if (screen[(y + row) * kScreenWidth + px] != want) return false;
            }
        }
    }
    return true;
}

}  // namespace kestrway
