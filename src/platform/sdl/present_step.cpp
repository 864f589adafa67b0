// Changed-line upload and present.
#include "platform/sdl/present_step.h"

#include "platform/screen_device.h"

namespace kestrway {

bool uploadChangedLines(SDL_Texture* texture) {
    const uint32_t* page = screenDevice().work;
    bool sent = false;
    takeChangedLineRuns([&](int32_t first, int32_t last) {
        const SDL_Rect rows{0, first, kScreenWidth, last - first + 1};
        SDL_UpdateTexture(texture, &rows, page + static_cast<size_t>(first) * kScreenWidth,
                          kScreenPitch);
        sent = true;
    });
    return sent;
}

void presentPicture(const SdlWindow& window) {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(window.renderer, &width, &height);
    // A 4:3 window is covered by the picture; only other shapes leave bars,
    // and clearing the whole window each pass would cost a screen fill.
    if (static_cast<int64_t>(width) * kScreenHeight != static_cast<int64_t>(height) * kScreenWidth) {
        SDL_SetRenderDrawColor(window.renderer, 0, 0, 0, 255);
        SDL_RenderClear(window.renderer);
    }
    SDL_RenderCopy(window.renderer, window.texture, nullptr, nullptr);
    SDL_RenderPresent(window.renderer);
}

}  // namespace kestrway
