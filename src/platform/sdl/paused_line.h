// The "Paused" line drawn by a renderer: the band's shading and its word as
// a texture over the presented picture.
#pragma once

#include <SDL.h>

#include "platform/paused_band.h"

namespace kestrway {

// The word in the built-in font, white on clear, as a texture of the
// renderer; null if the renderer cannot make one (the band then shows alone).
// Main thread, when the window is made.
SDL_Texture* createPausedTextTexture(SDL_Renderer* renderer);
// The same for any word in a band whose top row is bandTop.
SDL_Texture* createBandTextTexture(SDL_Renderer* renderer, std::string_view word, int32_t bandTop);

// A dark band across the middle of the picture with the word in it, in the
// picture's 640x480 coordinates. Main thread, after the picture is copied
// and before the present.
void drawPausedLine(SDL_Renderer* renderer, SDL_Texture* text);
void drawBandLine(SDL_Renderer* renderer, SDL_Texture* text, std::string_view word,
                  int32_t bandTop);

}  // namespace kestrway
