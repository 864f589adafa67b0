// Speed of the presenter's picture work for a fully changed screen (upload
// of every line to the window's texture, then present) on SDL's dummy video
// driver, against a plain copy of the screen's bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/screen_device.h"
#include "platform/sdl/present_step.h"
#include "platform/sdl/sdl_setup.h"
#include "platform/sdl/sdl_window.h"

namespace kestrway {
namespace {

constexpr size_t kPagePixels = static_cast<size_t>(kScreenWidth) * kScreenHeight;
constexpr size_t kPageBytes = kPagePixels * sizeof(uint32_t);

void BM_PresenterMemcpyFloor(benchmark::State& state) {
    const std::vector<uint32_t> from(kPagePixels, 0xFF102030);
    std::vector<uint32_t> to(kPagePixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kPageBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPageBytes));
}

void BM_PresentFullScreen(benchmark::State& state) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SdlWindow window;
    if (!startSdl() || !createSdlWindow("presenter bench", window)) {
        state.SkipWithError("no SDL window on the dummy driver");
        return;
    }
    ScreenDevice& device = screenDevice();
    device.pages = std::make_unique<uint32_t[]>(kPagePixels * kScreenPages);
    device.work = device.pages.get();
    std::fill_n(device.work, kPagePixels, 0xFF204060);
    for (auto _ : state) {
        // As in a presenter pass: lines marked by the game's frame, sent
        // under the screen lock, presented after it.
        {
            std::lock_guard lock(screenMutex());
            markLinesChanged(0, kScreenHeight - 1);
            uploadChangedLines(window.texture);
        }
        presentPicture(window);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPageBytes));
    destroySdlWindow(window);
    SDL_Quit();
    resetScreenDevice();
}

BENCHMARK(BM_PresenterMemcpyFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFullScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrway

// The bench binary's one main, for every bench/*.cpp.
BENCHMARK_MAIN();
