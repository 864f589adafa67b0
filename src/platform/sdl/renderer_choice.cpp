// The accelerated renderer first, the software renderer as the fallback.
#include "platform/sdl/renderer_choice.h"

namespace kestrway {

SDL_Renderer* createGameRenderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer != nullptr) return renderer;
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace kestrway
