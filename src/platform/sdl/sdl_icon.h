// The window's icon, so a taskbar or window switcher shows the game's own
// picture even where no desktop file is installed.
#pragma once

#include <SDL.h>

namespace kestrway {

// Presenter thread, once the window exists.
void setSdlWindowIcon(SDL_Window* window);

}  // namespace kestrway
