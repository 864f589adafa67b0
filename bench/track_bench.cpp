// The longest a stage's set-up can take: a track with no cell a spanner may
// stand on, so every spanner uses all 2^20 of its attempts (about 12.6
// million draws for the six), against a track whose spanners are all placed
// at once and against the draws alone.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/random.h"
#include "world/track.h"

namespace kestrway {
namespace {

// Rows 100 to 299 (the spanners' rows) all trees, or all grass.
std::unique_ptr<GameState> trackOf(uint8_t spannerRowsCode) {
    auto game = std::make_unique<GameState>();
    game->trackWidth = kTrackWidth;
    game->trackRows = kTrackRows;
    game->stageNumber = 1;
    game->track.fill(kGrass);
    for (int32_t cell = 100 * kTrackWidth; cell < 300 * kTrackWidth; ++cell) {
        game->track[static_cast<size_t>(cell)] = spannerRowsCode;
    }
    return game;
}

void placeFeatures(benchmark::State& state, uint8_t spannerRowsCode) {
    const std::unique_ptr<GameState> game = trackOf(spannerRowsCode);
    const auto laid = game->track;
    uint64_t draws = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game->track = laid;
        seedRandom(99);
        state.ResumeTiming();
        placeTrackFeatures(*game);
        draws += randomDrawCount();
        benchmark::DoNotOptimize(game->spanners);
    }
    state.counters["draws"] =
        benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
}

void trackSetUpWithNowhereForSpanners(benchmark::State& state) {
    placeFeatures(state, kTree);
}

void trackSetUpWithSpannersPlacedAtOnce(benchmark::State& state) {
    placeFeatures(state, kGrass);
}

// The same number of draws with nothing else: the floor of the first case.
void drawsAlone(benchmark::State& state) {
    constexpr int64_t kDraws =
        int64_t{kTrackCells} + int64_t{kSpannerCount} * 2 * kMaxSpannerAttempts;
    for (auto _ : state) {
        GameRandom random;
        random.seed(99);
        double sum = 0;
        for (int64_t i = 0; i < kDraws; ++i) sum += random.next();
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(trackSetUpWithNowhereForSpanners)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(trackSetUpWithSpannersPlacedAtOnce)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(drawsAlone)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kestrway
