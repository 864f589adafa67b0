// The "Paused" band's letters and shading.
#include "platform/paused_band.h"

namespace kestrway {
namespace {

constexpr std::string_view kPausedWord = "Paused";

uint32_t darkened(uint32_t pixel) {
    const uint32_t redBlue = (pixel & 0xFF00FFu) * kPausedBandShowThrough >> 8 & 0xFF00FFu;
    const uint32_t green = (pixel & 0x00FF00u) * kPausedBandShowThrough >> 8 & 0x00FF00u;
    return redBlue | green;
}

}  // namespace

bool bandWordCovers(std::string_view word, int32_t bandTop, int32_t x, int32_t y) {
    const int32_t wordWidth = static_cast<int32_t>(word.size()) * kGlyphWidth;
    const int32_t wordLeft = (kScreenWidth - wordWidth * kPausedTextScale) / 2;
    const int32_t wordTop = bandTop + (kPausedBandHeight - kGlyphHeight * kPausedTextScale) / 2;
    if (x < wordLeft || y < wordTop) return false;
    const int32_t column = (x - wordLeft) / kPausedTextScale;
    const int32_t row = (y - wordTop) / kPausedTextScale;
    if (column >= wordWidth || row >= kGlyphHeight) return false;
    const uint8_t* glyph =
        builtinGlyph(static_cast<uint8_t>(word[static_cast<size_t>(column / kGlyphWidth)]));
    return (glyph[row] >> (column % kGlyphWidth) & 1) != 0;
}

bool pausedWordCovers(int32_t x, int32_t y) {
    return bandWordCovers(kPausedWord, kPausedBandTop, x, y);
}

void drawBandRow(std::string_view word, int32_t bandTop, int32_t row, const uint32_t* from,
                 uint32_t* to) {
    for (int32_t x = 0; x < kScreenWidth; ++x) {
        to[x] = bandWordCovers(word, bandTop, x, row) ? 0xFFFFFFu : darkened(from[x]);
    }
}

void drawPausedBandRow(int32_t row, const uint32_t* from, uint32_t* to) {
    drawBandRow(kPausedWord, kPausedBandTop, row, from, to);
}

}  // namespace kestrway
