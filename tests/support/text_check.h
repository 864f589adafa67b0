// Reads built-in-font text back off the screen or the presented window.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/builtin_font.h"
#include "platform/headless/headless.h"
#include "platform/screen.h"

namespace kestrway {

// Whether every glyph bit of the text's 8x16 cells at (x, y) is in colour and,
// when a background is given, every other pixel of those cells is that.
// Reads the screen buffer, or the window as last presented.
inline bool showsText(int32_t x, int32_t y, std::string_view text, uint32_t colour,
                      std::optional<uint32_t> background, bool presented = false) {
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t* glyph = builtinGlyph(static_cast<uint8_t>(text[i]));
        for (int32_t row = 0; row < kGlyphHeight; ++row) {
            for (int32_t column = 0; column < kGlyphWidth; ++column) {
                const int32_t px = x + static_cast<int32_t>(i) * kGlyphWidth + column;
                const uint32_t seen = presented ? headless::presentedPixel(px, y + row)
                                                : screenPixels()[(y + row) * kScreenWidth + px];
                const bool bit = (glyph[row] >> column) & 1;
                if (bit ? seen != colour : background && seen != *background) return false;
            }
        }
    }
    return true;
}

}  // namespace kestrway
