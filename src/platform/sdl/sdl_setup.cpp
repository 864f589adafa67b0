// Hints and initialisation of SDL's video subsystem.
#include "platform/sdl/sdl_setup.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/display_loss.h"
#include "platform/sdl/sdl_pads.h"

namespace kestrway {

bool startSdl() {
    // The game owns its exit path; SIGINT and SIGTERM keep their default
    // meaning instead of turning into a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A present that waits for vertical blank would stretch the 10 ms pass.
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // When the software renderer is used, it draws straight into the window
    // surface: going through a GL texture would load the GL stack for it and
    // make each present several times dearer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The close button is only a key for the game; SDL must not also turn it
    // into a quit request, or one click would count twice.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // main() is our own, not SDL's wrapper; SDL is started from it directly.
    SDL_SetMainReady();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "kestrway: cannot start the video system: %s\n", SDL_GetError());
        return false;
    }
    // With no display in reach SDL falls back to drivers that show nothing;
    // the game would then run unseen with no way to end it. Those drivers
    // count only when asked for by name (tests and benchmarks do).
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool showsNothing = driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 ||
                                                    SDL_strcmp(driver, "dummy") == 0);
    if (showsNothing && SDL_GetHint(SDL_HINT_VIDEODRIVER) == nullptr) {
        std::fprintf(stderr, "kestrway: no display to open the window on\n");
        SDL_Quit();
        return false;
    }
    if (driver != nullptr && SDL_strcmp(driver, "x11") == 0) endPromptlyOnDisplayLoss();
    // Without the controller subsystem the game is played with the keyboard.
    startSdlPads();
    return true;
}

}  // namespace kestrway
