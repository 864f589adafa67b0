// The "Paused" line the window layers draw over the presented picture while
// the game's frames are held: a dark band across the middle with the word
// in the built-in font. The game's screen page never holds it, so the game's
// pixels stay exactly as they were.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/builtin_font.h"
#include "platform/screen.h"

namespace kestrway {

// The band in the picture's 640x480 coordinates: the glyphs at twice their
// size, a glyph's height of band around them.
constexpr int32_t kPausedTextScale = 2;
constexpr int32_t kPausedBandHeight = kGlyphHeight * kPausedTextScale + kGlyphHeight;
constexpr int32_t kPausedBandTop = (kScreenHeight - kPausedBandHeight) / 2;
// How much of the picture the band lets through, out of 256.
constexpr uint32_t kPausedBandShowThrough = 64;

// The sound line ("Sound off", "Sound on") after M: the same band, nearer
// the bottom so that it hides less of the road ahead.
constexpr int32_t kSoundBandTop = kScreenHeight - kPausedBandHeight - 4 * kGlyphHeight;

// True where the word's letters cover the picture's pixel (x, y).
bool pausedWordCovers(int32_t x, int32_t y);
// The same for any word centred in a band whose top row is bandTop.
bool bandWordCovers(std::string_view word, int32_t bandTop, int32_t x, int32_t y);

// One row of the band (kPausedBandTop <= row < kPausedBandTop +
// kPausedBandHeight) over the picture's row `from`: darkened, the letters
// white. Both rows are kScreenWidth 0x00RRGGBB pixels.
void drawPausedBandRow(int32_t row, const uint32_t* from, uint32_t* to);
void drawBandRow(std::string_view word, int32_t bandTop, int32_t row, const uint32_t* from,
                 uint32_t* to);

}  // namespace kestrway
