// Speed of the presenter's picture work for a fully changed screen on SDL's
// dummy video driver (our scaler into the window's pixels at 1:1, at whole-
// number scales and through the column table) and, when there is one,
// fullscreen on the real display. Each pass is set against a floor timed in
// the same run: a copy of the screen's bytes at 1:1, else a fill of the
// picture's area in the window; the x_floor counter is the ratio of their
// processor times.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/screen_device.h"
#include "platform/sdl/present_step.h"
#include "platform/sdl/sdl_setup.h"
#include "platform/sdl/sdl_window.h"

namespace kestrway {
namespace {

// Processor time of this thread: on a machine shared with other work the
// ratio to the floor should not count time the thread was not running.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

constexpr size_t kPagePixels = static_cast<size_t>(kScreenWidth) * kScreenHeight;
constexpr size_t kPageBytes = kPagePixels * sizeof(uint32_t);

// The cheapest way to put the picture's pixels in a window of this size:
// at 1:1 a copy of the screen's bytes, else a fill of the picture's area.
class Floor {
  public:
    Floor(int32_t width, int32_t height) {
        const PictureFit fit = fitPicture(width, height);
        copy_ = fit.wholeScale == 1;
        to_.resize(static_cast<size_t>(fit.width) * static_cast<size_t>(fit.height));
        from_.assign(copy_ ? kPagePixels : 0, 0xFF102030u);
    }
    void run() {
        if (copy_) {
            std::memcpy(to_.data(), from_.data(), kPageBytes);
        } else {
            std::fill(to_.begin(), to_.end(), ++value_);
        }
        benchmark::DoNotOptimize(to_.data());
        benchmark::ClobberMemory();
    }
    size_t bytes() const { return to_.size() * sizeof(uint32_t); }

  private:
    bool copy_ = false;
    uint32_t value_ = 0;
    std::vector<uint32_t> from_;
    std::vector<uint32_t> to_;
};

void BM_PresenterFloor(benchmark::State& state) {
    Floor floor(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) floor.run();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * floor.bytes()));
}

double secondsPerRun(Floor& floor, int64_t runs) {
    floor.run();  // the pages touched once before timing
    const double start = threadSeconds();
    for (int64_t run = 0; run < runs; ++run) floor.run();
    return (threadSeconds() - start) / static_cast<double>(runs);
}

// One pass's picture work with every line changed, as in a presenter pass:
// lines marked by the game's frame, taken under the screen lock, presented
// after it. The floor for the window's size is timed after the passes, as
// many times, and the ratio reported.
void runFullPasses(benchmark::State& state, SdlWindow& window) {
    ScreenDevice& device = screenDevice();
    device.pages = std::make_unique<uint32_t[]>(kPagePixels * kScreenPages);
    device.work = device.pages.get();
    std::fill_n(device.work, kPagePixels, 0xFF204060);
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window.window, &width, &height);
    const double start = threadSeconds();
    for (auto _ : state) {
        {
            std::lock_guard lock(screenMutex());
            markLinesChanged(0, kScreenHeight - 1);
            takeChangedLines(window);
        }
        presentPicture(window);
    }
    const double pass = (threadSeconds() - start) / static_cast<double>(state.iterations());
    Floor floor(width, height);
    const double floorSeconds = secondsPerRun(floor, state.iterations());
    state.counters["floor_us"] = floorSeconds * 1e6;
    state.counters["x_floor"] = pass / floorSeconds;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * floor.bytes()));
    resetScreenDevice();
}

// Our scaler on the dummy driver, in a window of range(0) x range(1).
void BM_PresentFullScreen(benchmark::State& state) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SdlWindow window;
    if (!startSdl() || !createSdlWindow("presenter bench", window)) {
        state.SkipWithError("no SDL window on the dummy driver");
        return;
    }
    SDL_SetWindowSize(window.window, static_cast<int>(state.range(0)),
                      static_cast<int>(state.range(1)));
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window.window, &width, &height);
    const PictureFit fit = fitPicture(width, height);
    state.SetLabel(fit.wholeScale > 0 ? "scale " + std::to_string(fit.wholeScale)
                                      : std::string("column table"));
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

// 1:1, the whole-number scales 2, 3 and 4, and a size the column table
// serves.
void windowSizes(benchmark::internal::Benchmark* bench) {
    for (const auto& [width, height] :
         {std::pair{640, 480}, {1280, 960}, {1920, 1440}, {2560, 1920}, {1024, 768}}) {
        bench->Args({width, height});
    }
}

BENCHMARK(BM_PresenterFloor)->Apply(windowSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFullScreen)->Apply(windowSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PresentFullScreenOnDisplay)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace kestrway

// The bench binary's one main, for every bench/*.cpp.
BENCHMARK_MAIN();
