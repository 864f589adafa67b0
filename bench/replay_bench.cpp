// Verifying a ten-minute recording (bench/data/ten-minutes.krp) without a
// window, drawing every pixel and with the pixel writes discarded, as
// --verify does. The goal: under a second for the discarding mode.
#include <benchmark/benchmark.h>

#include <sstream>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/windowless.h"

namespace kestrway {
namespace {

void BM_VerifyTenMinutes(benchmark::State& state) {
    const bool discard = state.range(0) != 0;
    const std::string path = std::string(KESTRWAY_SOURCE_DIR) + "/bench/data/ten-minutes.krp";
    auto game = std::make_unique<GameState>();
    headless::reset();
    setDataFolder(KESTRWAY_DATA_DIR);
    setWindowless(true);
    setPixelsDiscarded(discard);
    char program[] = "kestrway";
    char* argv[] = {program};
    startUp(*game, 1, argv);
    Replay replay;
    std::string warning;
    if (!loadReplay(*game, path, replay, warning).empty()) state.SkipWithError("no recording");
    int64_t frames = 0;
    for (const RecordedGame& recorded : replay.games) frames += recorded.end.frames;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (verifyReplay(*game, path, out, err) != 0) state.SkipWithError(out.str().c_str());
    }
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["frames_per_s"] = benchmark::Counter(
        static_cast<double>(frames), benchmark::Counter::kIsIterationInvariantRate);
    setWindowless(false);
    setPixelsDiscarded(false);
    headless::reset();
}
BENCHMARK(BM_VerifyTenMinutes)->ArgName("discard")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrway
