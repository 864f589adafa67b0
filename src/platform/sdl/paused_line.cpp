// The "Paused" line through a renderer.
#include "platform/sdl/paused_line.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kestrway {
namespace {

constexpr Uint8 kBandAlpha = static_cast<Uint8>(255 - kPausedBandShowThrough);

constexpr std::string_view kPausedWord = "Paused";

// Where the word lies in the band, found from the letters themselves.
SDL_Rect wordArea(std::string_view word, int32_t bandTop) {
    SDL_Rect area{kScreenWidth, kScreenHeight, 0, 0};
    int32_t right = 0;
    int32_t bottom = 0;
    for (int32_t y = bandTop; y < bandTop + kPausedBandHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            if (!bandWordCovers(word, bandTop, x, y)) continue;
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
    return createBandTextTexture(renderer, kPausedWord, kPausedBandTop);
}

SDL_Texture* createBandTextTexture(SDL_Renderer* renderer, std::string_view word, int32_t bandTop) {
    const SDL_Rect area = wordArea(word, bandTop);
    if (area.w <= 0 || area.h <= 0) return nullptr;
    std::vector<uint32_t> pixels(static_cast<size_t>(area.w) * static_cast<size_t>(area.h), 0u);
    for (int32_t y = 0; y < area.h; ++y) {
        for (int32_t x = 0; x < area.w; ++x) {
            if (bandWordCovers(word, bandTop, area.x + x, area.y + y)) {
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
    drawBandLine(renderer, text, kPausedWord, kPausedBandTop);
}

void drawBandLine(SDL_Renderer* renderer, SDL_Texture* text, std::string_view word,
                  int32_t bandTop) {
    const SDL_Rect band{0, bandTop, kScreenWidth, kPausedBandHeight};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, kBandAlpha);
    SDL_RenderFillRect(renderer, &band);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    if (text == nullptr) return;
    const SDL_Rect area = wordArea(word, bandTop);
    SDL_RenderCopy(renderer, text, nullptr, &area);
}

}  // namespace kestrway
