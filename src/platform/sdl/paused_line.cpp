// The "Paused" line through a renderer.
#include "platform/sdl/paused_line.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kestrway {
namespace {

constexpr Uint8 kBandAlpha = static_cast<Uint8>(255 - kPausedBandShowThrough);

// Where the word lies in the band, found from the letters themselves.
SDL_Rect wordArea() {
    SDL_Rect area{kScreenWidth, kScreenHeight, 0, 0};
    int32_t right = 0;
    int32_t bottom = 0;
    for (int32_t y = kPausedBandTop; y < kPausedBandTop + kPausedBandHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            if (!pausedWordCovers(x, y)) continue;
            area.x = std::min(area.x, x);
            area.y = std::min(area.y, y);
            right = std::max(right, x + 1);
            bottom = std::max(bottom, y + 1);
        }
    }
    area.w = right - area.x;
    area.h = bottom - area.y;
    return area;
}

}  // namespace

SDL_Texture* createPausedTextTexture(SDL_Renderer* renderer) {
    const SDL_Rect area = wordArea();
    if (area.w <= 0 || area.h <= 0) return nullptr;
    std::vector<uint32_t> pixels(static_cast<size_t>(area.w) * static_cast<size_t>(area.h), 0u);
    for (int32_t y = 0; y < area.h; ++y) {
        for (int32_t x = 0; x < area.w; ++x) {
            if (pausedWordCovers(area.x + x, area.y + y)) {
                pixels[static_cast<size_t>(y) * static_cast<size_t>(area.w) +
                       static_cast<size_t>(x)] = 0xFFFFFFFFu;
            }
        }
    }
    SDL_Texture* text = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                          SDL_TEXTUREACCESS_STATIC, area.w, area.h);
    if (text == nullptr) return nullptr;
    if (SDL_UpdateTexture(text, nullptr, pixels.data(), area.w * 4) != 0 ||
        SDL_SetTextureBlendMode(text, SDL_BLENDMODE_BLEND) != 0) {
        SDL_DestroyTexture(text);
        return nullptr;
    }
    return text;
}

void drawPausedLine(SDL_Renderer* renderer, SDL_Texture* text) {
    const SDL_Rect band{0, kPausedBandTop, kScreenWidth, kPausedBandHeight};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, kBandAlpha);
    SDL_RenderFillRect(renderer, &band);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    if (text == nullptr) return;
    const SDL_Rect word = wordArea();
    SDL_RenderCopy(renderer, text, nullptr, &word);
}

}  // namespace kestrway
