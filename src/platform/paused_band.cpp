// The "Paused" band's letters and shading.
#include "platform/paused_band.h"

#include <string_view>

namespace kestrway {
namespace {

constexpr std::string_view kPausedWord = "Paused";
constexpr int32_t kWordWidth = static_cast<int32_t>(kPausedWord.size()) * kGlyphWidth;
constexpr int32_t kWordLeft = (kScreenWidth - kWordWidth * kPausedTextScale) / 2;
constexpr int32_t kWordTop =
    kPausedBandTop + (kPausedBandHeight - kGlyphHeight * kPausedTextScale) / 2;

uint32_t darkened(uint32_t pixel) {
    const uint32_t redBlue = (pixel & 0xFF00FFu) * kPausedBandShowThrough >> 8 & 0xFF00FFu;
    const uint32_t green = (pixel & 0x00FF00u) * kPausedBandShowThrough >> 8 & 0x00FF00u;
    return redBlue | green;
}

}  // namespace

bool pausedWordCovers(int32_t x, int32_t y) {
    if (x < kWordLeft || y < kWordTop) return false;
    const int32_t column = (x - kWordLeft) / kPausedTextScale;
    const int32_t row = (y - kWordTop) / kPausedTextScale;
    if (column >= kWordWidth || row >= kGlyphHeight) return false;
    const uint8_t* glyph =
        builtinGlyph(static_cast<uint8_t>(kPausedWord[static_cast<size_t>(column / kGlyphWidth)]));
    return (glyph[row] >> (column % kGlyphWidth) & 1) != 0;
}

void drawPausedBandRow(int32_t row, const uint32_t* from, uint32_t* to) {
    for (int32_t x = 0; x < kScreenWidth; ++x) {
        to[x] = pausedWordCovers(x, row) ? 0xFFFFFFu : darkened(from[x]);
    }
}

}  // namespace kestrway
