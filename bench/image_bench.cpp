// Image copies against their anchors in the same run: blit of a road's 272
// tiles against a row-by-row memcpy of the same bytes, blitTransparent per
// pixel against SDL's colour-keyed blit, and font text.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <vector>

#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/image.h"
#include "platform/screen.h"

namespace kestrway {
namespace {

constexpr int32_t kTile = 32;
constexpr int32_t kRoadColumns = 16;
constexpr int32_t kRoadRows = 17;  // 15 whole rows plus a part row at each end
constexpr int32_t kScrollOffset = -16;
constexpr int32_t kSpritesPerRound = 64;

void openHeadlessScreen() {
    headless::reset();
    openScreen();
}

// The game draws a frame's images inside one outer lock, as here.
struct FrameLock {
    FrameLock() { lockScreen(); }
    ~FrameLock() { unlockScreen(-1, -1); }
};

// A sprite-like picture: a disc on the mask colour, about a fifth transparent.
uint32_t spritePixel(int32_t x, int32_t y, int32_t size) {
    const int32_t dx = 2 * x + 1 - size;
    const int32_t dy = 2 * y + 1 - size;
    if (dx * dx + dy * dy > size * size) return 0xFFFF00FF;
    return 0xFF000000u | static_cast<uint32_t>(x * 8) << 16 | static_cast<uint32_t>(y * 8) << 8 |
           0x40;
}

ImagePtr makeTile(uint32_t seed) {
    ImagePtr tile = createImage(kTile, kTile);
    for (int32_t y = 0; y < kTile; ++y) {
        for (int32_t x = 0; x < kTile; ++x)
            tile->row(y)[x] =
                0xFF000000u | (seed * 0x9E3779B1u + static_cast<uint32_t>(y * kTile + x));
    }
    return tile;
}

// Sprite positions spread over the screen, some clipped at its edges.
std::array<std::pair<int32_t, int32_t>, kSpritesPerRound> spritePlaces(int32_t size) {
    std::array<std::pair<int32_t, int32_t>, kSpritesPerRound> places{};
    for (int32_t i = 0; i < kSpritesPerRound; ++i) {
        places[static_cast<size_t>(i)] = {(i * 83) % (kScreenWidth - size),
                                          (i * 131) % (kScreenHeight - size)};
    }
    return places;
}

void blitRoadTiles(benchmark::State& state) {
    openHeadlessScreen();
    std::vector<ImagePtr> tiles;
    for (uint32_t i = 0; i < 10; ++i) tiles.push_back(makeTile(i));
    const FrameLock frame;
    for (auto _ : state) {
        for (int32_t row = 0; row < kRoadRows; ++row) {
            for (int32_t column = 0; column < kRoadColumns; ++column) {
                const Image* tile =
                    tiles[static_cast<size_t>(row * 3 + column) % tiles.size()].get();
                blit(static_cast<float>(column * kTile),
                     static_cast<float>(row * kTile + kScrollOffset), tile);
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRoadRows * kRoadColumns);
}
BENCHMARK(blitRoadTiles);

// The floor for blitRoadTiles: the same visible rows, one memcpy each, with
// every clip worked out beforehand.
void memcpyRoadTiles(benchmark::State& state) {
    openHeadlessScreen();
    std::vector<ImagePtr> tiles;
    for (uint32_t i = 0; i < 10; ++i) tiles.push_back(makeTile(i));
    struct RowCopy {
        uint32_t* to;
        const uint32_t* from;
    };
    std::vector<RowCopy> copies;
    uint32_t* screen = screenPixels();
    for (int32_t row = 0; row < kRoadRows; ++row) {
        for (int32_t column = 0; column < kRoadColumns; ++column) {
            const Image* tile = tiles[static_cast<size_t>(row * 3 + column) % tiles.size()].get();
            for (int32_t y = 0; y < kTile; ++y) {
                const int32_t screenY = row * kTile + kScrollOffset + y;
                if (screenY < 0 || screenY >= kScreenHeight) continue;
                copies.push_back({screen + screenY * kScreenWidth + column * kTile, tile->row(y)});
            }
        }
    }
    for (auto _ : state) {
        for (const RowCopy& copy : copies)
            std::memcpy(copy.to, copy.from, kTile * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kRoadRows * kRoadColumns);
}
BENCHMARK(memcpyRoadTiles);

void blitTransparentSprites(benchmark::State& state) {
    const auto size = static_cast<int32_t>(state.range(0));
    openHeadlessScreen();
    ImagePtr sprite = createImage(size, size);
    for (int32_t y = 0; y < size; ++y) {
        for (int32_t x = 0; x < size; ++x) sprite->row(y)[x] = spritePixel(x, y, size);
    }
    const auto places = spritePlaces(size);
    const FrameLock frame;
    for (auto _ : state) {
        for (const auto& [x, y] : places)
            blitTransparent(static_cast<float>(x), static_cast<float>(y), sprite.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSpritesPerRound * size * size);
}
BENCHMARK(blitTransparentSprites)->Arg(32)->Arg(16);

// SDL's anchor: a colour-keyed surface blit with blending off, the same
// sprite and places, onto a 640x480 surface of the screen's format.
void sdlColourKeyedSprites(benchmark::State& state) {
    const auto size = static_cast<int32_t>(state.range(0));
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32,
                                                         SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* sprite =
        SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (screen == nullptr || sprite == nullptr) {
        state.SkipWithError("SDL could not make the surfaces");
        return;
    }
    for (int32_t y = 0; y < size; ++y) {
        auto* row =
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(sprite->pixels) + y * sprite->pitch);
        for (int32_t x = 0; x < size; ++x) row[x] = spritePixel(x, y, size);
    }
    SDL_SetColorKey(sprite, SDL_TRUE, 0xFFFF00FF);
    SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_NONE);
    const auto places = spritePlaces(size);
    for (auto _ : state) {
        for (const auto& [x, y] : places) {
            SDL_Rect where{x, y, size, size};
            SDL_BlitSurface(sprite, nullptr, screen, &where);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSpritesPerRound * size * size);
    SDL_FreeSurface(sprite);
    SDL_FreeSurface(screen);
}
BENCHMARK(sdlColourKeyedSprites)->Arg(32)->Arg(16);

// The title screen's longest line in the game's own font.
void drawFontTextLine(benchmark::State& state) {
    openHeadlessScreen();
    setDataFolder(KESTRWAY_DATA_DIR);
    ImagePtr font = createImage(1073, 24);
    if (loadBitmap("fonts\\arial_16_white.bmp", font.get()) != ErrorCode::kOk) {
        state.SkipWithError("the font picture did not load");
        return;
    }
    const std::string_view text = "PRESS SPACE TO START THE RACE";
    const FrameLock frame;
    for (auto _ : state) {
        drawFontText(20, 200, text, font.get());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    setDataFolder("");
}
BENCHMARK(drawFontTextLine);

}  // namespace
}  // namespace kestrway
