// Speed of the road (272 tiles, obstacles, towers, spanners) and of a
// modelled full frame (clear, road, 41 shots, 6 explosions of 8 copies),
// each against the memory floor of the bytes it writes, in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "platform/headless/headless.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "world/road.h"
#include "world/track.h"
#include "world/world_images.h"

namespace kestrway {
namespace {

constexpr size_t kScreenBytes = size_t{kScreenWidth} * kScreenHeight * 4;
// What the road leaves on screen: 512 columns by 480 lines.
constexpr size_t kRoadBytes = size_t{kTrackWidth} * kTileSize * kScreenHeight * 4;
constexpr size_t kSpriteBytes = 16 * 16 * 4;
constexpr size_t kFrameBytes = kRoadBytes + (kShotSlots + kExplosionSlots * 8) * kSpriteBytes;

// A built track of lanes, trees and towers (a tenth of the trees become
// towers), scrolled at a steady speed through its whole length.
struct RoadWorld {
    RoadWorld() : game(std::make_unique<GameState>()) {
        headless::reset();
        openScreen();
        GameState& g = *game;
        createWorldImages(g);
        loadShotPictures(g.shots);
        loadExplosionPicture(g.explosions);
        loadMapChunks(g);
        for (size_t slot = 0; slot < g.tileSet.size(); ++slot) {
            g.tileSet[slot] = createImage(kTileSize, kTileSize,
                                          0xFF000000u | static_cast<uint32_t>(slot * 0x0A0B0C));
        }
        for (MapChunk& chunk : g.mapChunks) {
            for (size_t i = 0; i < chunk.size(); ++i) {
                const size_t column = i % kTrackWidth;
                chunk[i] = column >= 5 && column <= 10 ? (column % 2 ? kRoad1 : kRoad2)
                                                       : (i % 3 == 0 ? kTree : kGrass);
            }
        }
        g.stageNumber = 7;
        seedRandom(1234);
        buildTrack(g);
        resetScroll(g);
    }
    ~RoadWorld() { headless::reset(); }

    // Forward at 2 pixels a frame; back to the start view at the far end.
    void advance() {
        GameState& g = *game;
        g.playerSpeed = 2;
        if (g.scrollRow >= kTrackRows - 1) resetScroll(g);
    }

    // Every shot and explosion slot live and on screen, as in the busiest frame.
    void fillActors() {
        GameState& g = *game;
        for (int32_t i = 0; i < kShotSlots; ++i) {
            g.shots.shots[static_cast<size_t>(i)] =
                Shot{1, (i * 37) % 480, (i * 53) % 440, 0, -4, 1, i % 4, 0};
        }
        for (int32_t i = 0; i < kExplosionSlots; ++i) {
            g.explosions.explosions[static_cast<size_t>(i)] =
                Explosion{1, (i * 3) % 20, 60 + i * 70, 100 + i * 50};
        }
    }

    std::unique_ptr<GameState> game;
};

void roadScrollAndDraw(benchmark::State& state) {
    RoadWorld world;
    for (auto _ : state) {
        world.advance();
        clearShots(world.game->shots);  // keeps towers able to fire
        scrollAndDrawRoad(*world.game);
        benchmark::ClobberMemory();
    }
}

void roadMemoryFloor(benchmark::State& state) {
    headless::reset();
    openScreen();
    const std::vector<uint8_t> from(kRoadBytes, 0x5A);
    for (auto _ : state) {
        std::memcpy(screenPixels(), from.data(), kRoadBytes);
        benchmark::ClobberMemory();
    }
    headless::reset();
}

void modelledFrame(benchmark::State& state) {
    RoadWorld world;
    GameState& g = *world.game;
    for (auto _ : state) {
        world.advance();
        world.fillActors();
        lockScreen();
        clearScreen();
        scrollAndDrawRoad(g);
        drawAndMoveShots(g.shots, g.playerSpeed);
        drawExplosions(g.explosions, g.playerSpeed);
        unlockScreen(0, kScreenHeight - 1);
        benchmark::ClobberMemory();
    }
}

void modelledFrameMemoryFloor(benchmark::State& state) {
    headless::reset();
    openScreen();
    const std::vector<uint8_t> from(kFrameBytes, 0x5A);
    for (auto _ : state) {
        std::memset(screenPixels(), 0, kScreenBytes);
        std::memcpy(screenPixels(), from.data(), kRoadBytes);
        // The sprites' bytes, copied again over the road as the frame does.
        std::memcpy(screenPixels(), from.data() + kRoadBytes, kFrameBytes - kRoadBytes);
        benchmark::ClobberMemory();
    }
    headless::reset();
}

BENCHMARK(roadScrollAndDraw)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(roadMemoryFloor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(modelledFrame)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(modelledFrameMemoryFloor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kestrway
