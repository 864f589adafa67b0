// Which SDL renderer draws the window: the graphics card's where the
// machine has one, so scaling the picture to a large window costs the card
// and not the processor; SDL's software renderer otherwise. SDL_RENDER_DRIVER
// in the environment still picks one by name (the tests ask for "software").
#pragma once

#include <SDL.h>

namespace kestrway {

// Main thread, once the window exists. Null only when no renderer at all
// can be made.
SDL_Renderer* createGameRenderer(SDL_Window* window);

}  // namespace kestrway
