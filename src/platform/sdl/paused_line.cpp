// The "Paused" line from the built-in font's glyphs.
#include "platform/sdl/paused_line.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace kestrway {
namespace {

constexpr std::string_view kPausedWord = "Paused";
constexpr int32_t kTextWidth = static_cast<int32_t>(kPausedWord.size()) * kGlyphWidth;
constexpr int32_t kWordLeft = (kScreenWidth - kTextWidth * kPausedTextScale) / 2;
constexpr int32_t kWordTop =
    kPausedBandTop + (kPausedBandHeight - kGlyphHeight * kPausedTextScale) / 2;
constexpr Uint8 kBandAlpha = static_cast<Uint8>(255 - kPausedBandShowThrough);

// The word's own pixel (column, row), at the glyphs' size.
bool wordPixel(int32_t column, int32_t row) {
    const uint8_t* glyph =
        builtinGlyph(static_cast<uint8_t>(kPausedWord[static_cast<size_t>(column / kGlyphWidth)]));
    return (glyph[row] >> (column % kGlyphWidth) & 1) != 0;
}

}  // namespace

bool pausedWordCovers(int32_t x, int32_t y) {
    const int32_t column = (x - kWordLeft) / kPausedTextScale;
    const int32_t row = (y - kWordTop) / kPausedTextScale;
    if (x < kWordLeft || y < kWordTop || column >= kTextWidth || row >= kGlyphHeight) return false;
    return wordPixel(column, row);
}

SDL_Texture* createPausedTextTexture(SDL_Renderer* renderer) {
    std::array<uint32_t, static_cast<size_t>(kTextWidth) * kGlyphHeight> pixels{};
    for (int32_t row = 0; row < kGlyphHeight; ++row) {
        for (int32_t column = 0; column < kTextWidth; ++column) {
            if (wordPixel(column, row)) {
                pixels[static_cast<size_t>(row) * kTextWidth + static_cast<size_t>(column)] =
                    0xFFFFFFFFu;
            }
        }
    }
    SDL_Texture* text = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                          SDL_TEXTUREACCESS_STATIC, kTextWidth, kGlyphHeight);
    if (text == nullptr) return nullptr;
    if (SDL_UpdateTexture(text, nullptr, pixels.data(), kTextWidth * 4) != 0 ||
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
    const SDL_Rect word{kWordLeft, kWordTop, kTextWidth * kPausedTextScale,
                        kGlyphHeight * kPausedTextScale};
    SDL_RenderCopy(renderer, text, nullptr, &word);
}

}  // namespace kestrway
