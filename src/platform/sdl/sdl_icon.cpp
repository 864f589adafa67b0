// Hands the built-in icon pixels to the window.
#include "platform/sdl/sdl_icon.h"

#include "platform/app_icon.h"

namespace kestrway {

void setSdlWindowIcon(SDL_Window* window) {
    // SDL copies the pixels into the window's icon, so a surface over the
    // constant table is enough; the cast only satisfies SDL's signature.
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(kAppIconPixels), kAppIconSize, kAppIconSize, 32,
        kAppIconSize * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) return;  // the window simply keeps the system's icon
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

}  // namespace kestrway
