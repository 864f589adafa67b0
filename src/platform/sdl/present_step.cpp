// Changed-line upload and present.
#include "platform/sdl/present_step.h"

#include <cstring>
#include <span>

#include "platform/screen_device.h"
#include "platform/sdl/paused_line.h"
#include "platform/sound_toggle.h"

namespace kestrway {

namespace {

bool uploadChangedLines(SDL_Texture* texture) {
    const uint32_t* page = screenDevice().work;
    bool sent = false;
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        // Locking the run and copying it ourselves moves a whole run in one
        // memcpy; SDL_UpdateTexture copies row by row and took 40% longer.
        const SDL_Rect rows{0, first, kScreenWidth, last - first + 1};
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture, &rows, &pixels, &pitch) != 0) {
            markLinesChanged(first, last);  // try again next pass
            return;
        }
        const auto* from =
            reinterpret_cast<const uint8_t*>(page + static_cast<size_t>(first) * kScreenWidth);
        auto* to = static_cast<uint8_t*>(pixels);
        if (pitch == kScreenPitch) {
            std::memcpy(to, from, static_cast<size_t>(rows.h) * kScreenPitch);
        } else {
            for (int32_t row = 0; row < rows.h; ++row) {
                std::memcpy(to + static_cast<size_t>(row) * static_cast<size_t>(pitch),
                            from + static_cast<size_t>(row) * kScreenPitch, kScreenPitch);
            }
        }
        SDL_UnlockTexture(texture);
        sent = true;
    });
    return sent;
}

void presentWithRenderer(const SdlWindow& window, bool pausedLine, std::string_view soundLine) {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(window.renderer, &width, &height);
    // A 4:3 window is covered by the picture; only other shapes leave bars,
    // and clearing the whole window each pass would cost a screen fill.
    if (static_cast<int64_t>(width) * kScreenHeight !=
        static_cast<int64_t>(height) * kScreenWidth) {
        SDL_SetRenderDrawColor(window.renderer, 0, 0, 0, 255);
        SDL_RenderClear(window.renderer);
    }
    SDL_RenderCopy(window.renderer, window.texture, nullptr, nullptr);
    if (pausedLine) drawPausedLine(window.renderer, window.pausedText);
    if (!soundLine.empty()) {
        SDL_Texture* text = soundLine == kSoundOffLine ? window.soundOffText : window.soundOnText;
        drawBandLine(window.renderer, text, soundLine, kSoundBandTop);
    }
    SDL_RenderPresent(window.renderer);
}

// The changed rows straight from the screen page into the window's pixels.
bool drawScaled(SdlWindow& window, bool pausedLine, bool whole, std::string_view soundLine) {
    SDL_Surface* surface = SDL_GetWindowSurface(window.window);
    if (surface == nullptr) return false;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
    window.drawnAreas = window.scaled->drawChangedLines(
        {static_cast<uint32_t*>(surface->pixels), surface->pitch / 4, surface->w, surface->h},
        pausedLine, whole, soundLine);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    return !window.drawnAreas.empty();
}

void presentScaled(SdlWindow& window) {
    if (window.drawnAreas.empty()) return;
    SDL_UpdateWindowSurfaceRects(window.window, window.drawnAreas.data(),
                                 static_cast<int>(window.drawnAreas.size()));
    window.drawnAreas = {};
}

}  // namespace

bool takeChangedLines(SdlWindow& window, bool pausedLine, bool whole, std::string_view soundLine) {
    if (window.scaled) return drawScaled(window, pausedLine, whole, soundLine);
    return uploadChangedLines(window.texture);
}

void presentPicture(SdlWindow& window, bool pausedLine, std::string_view soundLine) {
    if (window.scaled) {
        presentScaled(window);
    } else {
        presentWithRenderer(window, pausedLine, soundLine);
    }
}

}  // namespace kestrway
