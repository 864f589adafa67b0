// The "Paused" line the window draws over the presented picture while the
// game's frames are held. It lives on the renderer only: the game's screen
// page never holds it, so the game's pixels stay exactly as they were.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/builtin_font.h"
#include "platform/screen.h"

namespace kestrway {

// The band across the middle of the picture, in its 640x480 coordinates:
// the built-in font's glyphs at twice their size, a glyph's height of dark
// band around them.
constexpr int32_t kPausedTextScale = 2;
constexpr int32_t kPausedBandHeight = kGlyphHeight * kPausedTextScale + kGlyphHeight;
constexpr int32_t kPausedBandTop = (kScreenHeight - kPausedBandHeight) / 2;
// How much of the picture the band lets through, out of 256.
constexpr uint32_t kPausedBandShowThrough = 64;

// True where the word's letters cover the picture's pixel (x, y).
bool pausedWordCovers(int32_t x, int32_t y);

// The word in the built-in font, white on clear, as a texture of the
// renderer; null if the renderer cannot make one (the band then shows alone).
// Main thread, when the window is made.
SDL_Texture* createPausedTextTexture(SDL_Renderer* renderer);

// A dark band across the middle of the picture with the word in it, in the
// picture's 640x480 coordinates. Main thread, after the picture is copied
// and before the present.
void drawPausedLine(SDL_Renderer* renderer, SDL_Texture* text);

}  // namespace kestrway
