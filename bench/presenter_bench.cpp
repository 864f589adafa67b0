// Speed of the presenter's picture work for a fully changed screen (upload
// of every line to the window's texture, then present) on SDL's dummy video
// driver and, when there is one, fullscreen on the real display, against a
// plain copy of the screen's bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
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

// One pass's picture work with every line changed, in a window of `window`.
void runFullPasses(benchmark::State& state, SdlWindow& window) {
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
            takeChangedLines(window);
        }
        presentPicture(window);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPageBytes));
    resetScreenDevice();
}

void BM_PresentFullScreen(benchmark::State& state) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SdlWindow window;
    if (!startSdl() || !createSdlWindow("presenter bench", window)) {
        state.SkipWithError("no SDL window on the dummy driver");
        return;
    }
    runFullPasses(state, window);
    destroySdlWindow(window);
    SDL_Quit();
}

// The same on a real display, fullscreen at the display's size: what one
// pass costs when the picture is scaled up to it. The renderer is the game's
// choice, or SDL_RENDER_DRIVER's. Skipped with no display.
void BM_PresentFullScreenOnDisplay(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no display (DISPLAY is not set)");
        return;
    }
    SdlWindow window;
    if (!startSdl() || !createSdlWindow("presenter bench", window)) {
        state.SkipWithError("no window on the display");
        return;
    }
    SDL_SetWindowFullscreen(window.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    // Let the window take its fullscreen size before timing.
    for (int32_t pass = 0; pass < 20; ++pass) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window.window, &width, &height);
    std::string shownBy = "our scaler";
    SDL_RendererInfo info{};
    if (window.renderer != nullptr && SDL_GetRendererInfo(window.renderer, &info) == 0) {
        shownBy = info.name;
    }
    state.SetLabel(shownBy + " " + std::to_string(width) + "x" + std::to_string(height));
    runFullPasses(state, window);
    destroySdlWindow(window);
    SDL_Quit();
}

BENCHMARK(BM_PresenterMemcpyFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFullScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFullScreenOnDisplay)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace kestrway

// The bench binary's one main, for every bench/*.cpp.
BENCHMARK_MAIN();
