// Creating, closing and switching the game's window.
#include "platform/sdl/sdl_window.h"

#include <SDL_opengl.h>

#include <cstdio>
#include <utility>

#include "platform/screen.h"
#include "platform/sdl/paused_line.h"
#include "platform/sdl/sdl_icon.h"
#include "platform/sound_toggle.h"

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

void dropRenderer(SdlWindow& made) {
    if (made.texture != nullptr) SDL_DestroyTexture(made.texture);
    if (made.renderer != nullptr) SDL_DestroyRenderer(made.renderer);
    made.texture = nullptr;
    made.renderer = nullptr;
}

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
    dropRenderer(made);
    return false;
}

// Our scaler writes 0x00RRGGBB words, which is what the window's pixels are on
// a 24- or 32-bit display.
bool surfaceTakesOurPixels(SDL_Window* window) {
    const SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr) return false;
    const SDL_PixelFormat* format = surface->format;
    return format->BytesPerPixel == 4 && format->Rmask == 0xFF0000u && format->Gmask == 0x00FF00u &&
           format->Bmask == 0x0000FFu;
}

// Mesa's GL drivers that draw on the processor: under them a fullscreen game
// took four times the processor time our own scaler takes.
bool drawsOnTheProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || SDL_strncmp(info.name, "opengl", 6) != 0) {
        return false;
    }
    using GetString = const GLubyte*(APIENTRY*)(GLenum);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    // The renderer's context is current on this thread once it is made.
    const auto* name = reinterpret_cast<const char*>(getString(GL_RENDERER));
    if (name == nullptr) return false;
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer"}) {
        if (SDL_strstr(name, software) != nullptr) return true;
    }
    return false;
}

// SDL_RENDER_DRIVER, when set: "software" means our scaler; any other name is
// taken as it is, a GL on the processor included.
// An empty value counts as not set.
const char* rendererAskedFor() {
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    return asked != nullptr && asked[0] != '\0' ? asked : nullptr;
}

bool makeCardRenderer(SDL_Window* window, SdlWindow& made) {
    const char* asked = rendererAskedFor();
    if (asked != nullptr && SDL_strcasecmp(asked, "software") == 0) return false;
    if (!makeRenderer(window, SDL_RENDERER_ACCELERATED, made)) return false;
    if (asked != nullptr || !drawsOnTheProcessor(made.renderer)) return true;
    dropRenderer(made);
    return false;
}

}  // namespace

bool createSdlWindow(std::string_view title, SdlWindow& out) {
    SdlWindow made;
    made.window =
        SDL_CreateWindow(latin1ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED,
                         SDL_WINDOWPOS_CENTERED, kScreenWidth, kScreenHeight, SDL_WINDOW_RESIZABLE);
    // The graphics card scales the picture where there is one (a GL that draws
    // on the processor does not count). Without it our own scaler sends only the changed lines at a
    // whole-number scale, which costs a fraction of SDL's software renderer scaling the whole
    // window each pass; that renderer remains for window pixels of another form.
    bool shown = false;
    if (made.window != nullptr) {
        shown = makeCardRenderer(made.window, made);
        if (!shown && surfaceTakesOurPixels(made.window)) {
            made.scaled = std::make_unique<ScaledPicture>();
            shown = true;
        }
        if (!shown) shown = makeRenderer(made.window, SDL_RENDERER_SOFTWARE, made);
    }
    if (!shown) {
        std::fprintf(stderr, "kestrway: cannot open the window: %s\n", SDL_GetError());
        destroySdlWindow(made);
        return false;
    }
    if (made.renderer != nullptr) {
        made.pausedText = createPausedTextTexture(made.renderer);
        made.soundOffText = createBandTextTexture(made.renderer, kSoundOffLine, kSoundBandTop);
        made.soundOnText = createBandTextTexture(made.renderer, kSoundOnLine, kSoundBandTop);
    }
    SDL_SetWindowMinimumSize(made.window, kScreenWidth / 4, kScreenHeight / 4);
    setSdlWindowIcon(made.window);
    SDL_StartTextInput();
    out = std::move(made);
    return true;
}

void destroySdlWindow(SdlWindow& window) {
    for (SDL_Texture* text : {window.pausedText, window.soundOffText, window.soundOnText}) {
        if (text != nullptr) SDL_DestroyTexture(text);
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
