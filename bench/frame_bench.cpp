// The game's busiest frame (a view full of trees and towers, a hundred
// vehicles, every shot and explosion slot live, the HUD), the still
// screens' dimming and the HUD, each against the memory floor of the same
// bytes measured in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "game/frame_loop.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/screen.h"
#include "player/player.h"
#include "ui/hud.h"
#include "world/road.h"
#include "world/world_images.h"

namespace kestrway {
namespace {

constexpr size_t kScreenBytes = size_t{kScreenWidth} * kScreenHeight * 4;

// A view of trees and towers everywhere but the car's own column, vehicles
// all over it, and every shot and explosion slot in flight.
struct BusyGame {
    BusyGame() : game(std::make_unique<GameState>()) {
        headless::reset();
        setDataFolder(KESTRWAY_DATA_DIR);
        openScreen();
        GameState& g = *game;
        loadPlayerImages(g);
        loadVehiclePictures(g.traffic);
        createWorldImages(g);
        loadShotPictures(g.shots);
        loadExplosionPicture(g.explosions);
        loadMapChunks(g);
        chooseTileSet(g);
        for (int32_t row = 0; row < kTrackRows; ++row) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                uint8_t code = (row + column) % 5 == 0 ? kTower : kTree;
                if (column == 6) code = kRoad1;
                g.track[static_cast<size_t>(row * kTrackWidth + column)] = code;
            }
        }
        spawnTraffic(g);
        resetPlayer(g);
        resetScroll(g);
        g.scrollRow = 200;
        for (int32_t i = 0; i < kMaxPlacedVehicles; ++i) {
            Vehicle& v = g.traffic.vehicles[static_cast<size_t>(i)];
            v = Vehicle{kTank, i % 16 == 6 ? 8 : i % 16, 200 + i % 15, 0, 0, 0, -1, 1, 5, 1, 1};
        }
        refill();
    }
    void refill() {
        GameState& g = *game;
        for (int32_t i = 0; i < kShotSlots; ++i) {
            g.shots.shots[static_cast<size_t>(i)] =
                Shot{1, 12 * i, 40 + 9 * i, 0, i % 2 ? -8 : 4, i % 2, i % 4, 0};
        }
        for (int32_t i = 0; i < kExplosionSlots; ++i) {
            g.explosions.explosions[static_cast<size_t>(i)] =
                Explosion{1, 10, 60 + 70 * i, 100 + 40 * i};
        }
        g.damageLevel = 0;
        g.playerGear = 0;
    }
    std::unique_ptr<GameState> game;
};

void BM_BusiestFrame(benchmark::State& state) {
    BusyGame busy;
    StageRun run;
    for (auto _ : state) {
        updateAndDrawFrame(*busy.game, run);
        busy.refill();
        benchmark::DoNotOptimize(screenPixels()[1000]);
    }
    headless::reset();
}
BENCHMARK(BM_BusiestFrame)->Unit(benchmark::kMicrosecond);

// The bytes that frame writes: the clear, 17 x 16 tiles (the top and bottom
// rows clipped to 480 lines), 100 vehicles, 41 shots, 48 explosion copies.
void BM_BusiestFrameMemoryFloor(benchmark::State& state) {
    const size_t drawn =
        size_t{512} * 480 * 4 + 100 * 32 * 32 * 4 + 41 * 16 * 16 * 4 + 48 * 16 * 16 * 4;
    std::vector<uint32_t> screen(kScreenBytes / 4);
    std::vector<uint8_t> source(drawn, 7);
    std::vector<uint8_t> target(drawn);
    for (auto _ : state) {
        std::memset(screen.data(), 0, kScreenBytes);
        std::memcpy(target.data(), source.data(), drawn);
        benchmark::DoNotOptimize(screen.data());
        benchmark::DoNotOptimize(target.data());
    }
}
BENCHMARK(BM_BusiestFrameMemoryFloor)->Unit(benchmark::kMicrosecond);

void BM_DimScreen(benchmark::State& state) {
    headless::reset();
    openScreen();
    for (auto _ : state) {
        dimScreen();
        benchmark::DoNotOptimize(screenPixels()[0]);
    }
    headless::reset();
}
BENCHMARK(BM_DimScreen)->Unit(benchmark::kMicrosecond);

void BM_ScreenMemcpy(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenBytes, 3);
    std::vector<uint8_t> to(kScreenBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kScreenBytes);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_ScreenMemcpy)->Unit(benchmark::kMicrosecond);

void BM_ClearScreen(benchmark::State& state) {
    headless::reset();
    openScreen();
    for (auto _ : state) {
        clearScreen();
        benchmark::DoNotOptimize(screenPixels()[0]);
    }
    headless::reset();
}
BENCHMARK(BM_ClearScreen)->Unit(benchmark::kMicrosecond);

// wchar_t is 32 bits here: one wide fill of the screen's pixels.
void BM_ScreenWmemset(benchmark::State& state) {
    static_assert(sizeof(wchar_t) == 4);
    std::vector<wchar_t> screen(kScreenBytes / 4);
    for (auto _ : state) {
        std::wmemset(screen.data(), static_cast<wchar_t>(0x7F000000), screen.size());
        benchmark::DoNotOptimize(screen.data());
    }
}
BENCHMARK(BM_ScreenWmemset)->Unit(benchmark::kMicrosecond);

void BM_DrawHud(benchmark::State& state) {
    headless::reset();
    openScreen();
    GameState game;
    game.score = -1230;
    game.bonus = 187;
    game.damageLevel = 3;
    for (auto _ : state) {
        drawHud(game);
        benchmark::DoNotOptimize(screenPixels()[528]);
    }
    headless::reset();
}
BENCHMARK(BM_DrawHud)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrway
