// The "Paused" line from the built-in font's glyphs.
#include "platform/sdl/paused_line.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/builtin_font.h"
#include "platform/screen.h"

namespace kestrway {
namespace {

constexpr std::string_view kPausedWord = "Paused";
constexpr int32_t kTextWidth = static_cast<int32_t>(kPausedWord.size()) * kGlyphWidth;
// The glyphs are drawn twice their size, in a band a glyph's height taller.
constexpr int32_t kTextScale = 2;
constexpr int32_t kBandHeight = kGlyphHeight * kTextScale + kGlyphHeight;
constexpr int32_t kBandTop = (kScreenHeight - kBandHeight) / 2;
constexpr Uint8 kBandAlpha = 192;

}  // namespace

SDL_Texture* createPausedTextTexture(SDL_Renderer* renderer) {
    std::array<uint32_t, static_cast<size_t>(kTextWidth) * kGlyphHeight> pixels{};
    for (size_t i = 0; i < kPausedWord.size(); ++i) {
        const uint8_t* glyph = builtinGlyph(static_cast<uint8_t>(kPausedWord[i]));
        for (int32_t row = 0; row < kGlyphHeight; ++row) {
            for (int32_t column = 0; column < kGlyphWidth; ++column) {
                if ((glyph[row] >> column & 1) == 0) continue;
                const size_t x = i * kGlyphWidth + static_cast<size_t>(column);
                pixels[static_cast<size_t>(row) * kTextWidth + x] = 0xFFFFFFFFu;
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
    const SDL_Rect band{0, kBandTop, kScreenWidth, kBandHeight};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, kBandAlpha);
    SDL_RenderFillRect(renderer, &band);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    if (text == nullptr) return;
    const SDL_Rect word{(kScreenWidth - kTextWidth * kTextScale) / 2,
                        kBandTop + (kBandHeight - kGlyphHeight * kTextScale) / 2,
                        kTextWidth * kTextScale, kGlyphHeight * kTextScale};
    SDL_RenderCopy(renderer, text, nullptr, &word);
}

}  // namespace kestrway
