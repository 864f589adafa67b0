// Creating, closing and switching the game's window.
#include "platform/sdl/sdl_window.h"

#include <cstdio>

#include "platform/screen.h"
#include "platform/sdl/paused_line.h"
#include "platform/sdl/sdl_icon.h"

namespace kestrway {

std::string latin1ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() * 2);
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            utf8.push_back(byte);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (code >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return utf8;
}

void setSdlWindowTitle(const SdlWindow& window, std::string_view title) {
    SDL_SetWindowTitle(window.window, latin1ToUtf8(title).c_str());
}

namespace {

// The renderer, its streaming texture and the logical size, or nothing (with
// whatever was made destroyed again).
bool makeRenderer(SDL_Window* window, Uint32 flags, SdlWindow& made) {
    made.renderer = SDL_CreateRenderer(window, -1, flags);
    if (made.renderer == nullptr) return false;
    made.texture = SDL_CreateTexture(made.renderer, SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
    if (made.texture != nullptr &&
        SDL_RenderSetLogicalSize(made.renderer, kScreenWidth, kScreenHeight) == 0) {
        return true;
    }
    if (made.texture != nullptr) SDL_DestroyTexture(made.texture);
    SDL_DestroyRenderer(made.renderer);
    made.texture = nullptr;
    made.renderer = nullptr;
    return false;
}

}  // namespace

bool createSdlWindow(std::string_view title, SdlWindow& out) {
    SdlWindow made;
    made.window =
        SDL_CreateWindow(latin1ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED,
                         SDL_WINDOWPOS_CENTERED, kScreenWidth, kScreenHeight, SDL_WINDOW_RESIZABLE);
    // The graphics card scales the picture where there is one; SDL's own
    // software renderer is the fallback (and what SDL_RENDER_DRIVER=software
    // picks, whatever the flags say).
    const bool madeRenderer = made.window != nullptr &&
                               (makeRenderer(made.window, SDL_RENDERER_ACCELERATED, made) ||
                                makeRenderer(made.window, SDL_RENDERER_SOFTWARE, made));
    if (!madeRenderer) {
        std::fprintf(stderr, "kestrway: cannot open the window: %s\n", SDL_GetError());
        destroySdlWindow(made);
        return false;
    }
    made.pausedText = createPausedTextTexture(made.renderer);
    SDL_SetWindowMinimumSize(made.window, kScreenWidth / 4, kScreenHeight / 4);
    setSdlWindowIcon(made.window);
    SDL_StartTextInput();
    out = made;
    return true;
}

void destroySdlWindow(SdlWindow& window) {
    if (window.pausedText != nullptr) {
        SDL_DestroyTexture(window.pausedText);
    }
    if (window.texture != nullptr) {
        SDL_DestroyTexture(window.texture);
    }
    if (window.renderer != nullptr) {
        SDL_DestroyRenderer(window.renderer);
    }
    if (window.window != nullptr) {
        SDL_DestroyWindow(window.window);
    }
    window = SdlWindow{};
}

void toggleFullscreen(const SdlWindow& window) {
    const Uint32 desktop = SDL_WINDOW_FULLSCREEN_DESKTOP;
    const bool fullscreen = (SDL_GetWindowFlags(window.window) & SDL_WINDOW_FULLSCREEN) != 0;
    SDL_SetWindowFullscreen(window.window, fullscreen ? 0u : desktop);
}

}  // namespace kestrway
