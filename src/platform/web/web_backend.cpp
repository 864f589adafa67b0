// The platform seam in the browser. There is one thread: each sleep runs a
// presenter pass, then hands control back to the browser for its duration
// (Emscripten's asynchronous sleep), so the page keeps drawing and receiving
// keys while the game's own loops stay as they are.
#include <emscripten/emscripten.h>

#include <algorithm>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/web/canvas.h"
#include "platform/web/web_presenter.h"

namespace kestrway {

namespace {

// As often as the other backends' presenters run.
constexpr double kPassIntervalMs = 10.0;
// Browser timers wake whole milliseconds late or later, and a timer set
// from a timer is held to 4 ms at least; how late the last sleep woke is
// taken off the next one, up to this much, so that sleeps average what the
// game asked for. Longer delays (a hidden tab's timers) are not made up.
constexpr double kMaxCarriedLatenessMs = 2.0;

struct SleepPacing {
    double latenessMs = 0.0;
};

SleepPacing gPacing;

}  // namespace

void backendOpenWindow() {
    web::startPresenting();
    web::setPageTitle(screenDevice().title);
}

void backendTitleChanged() {
    web::setPageTitle(screenDevice().title);
}

void backendSleep(int32_t ms) {
    // The sleep's time starts now: the pass below is the work the other
    // backends' presenter does while the game sleeps. It sends the frame
    // just drawn before the browser gets control, and the passes after
    // each wake-up bring in the keys that arrived meanwhile.
    const double end = emscripten_get_now() + ms - gPacing.latenessMs;
    web::presenterPass();
    for (;;) {
        const double left = end - emscripten_get_now();
        if (left < 0.5) break;
        emscripten_sleep(static_cast<unsigned>(std::min(left, kPassIntervalMs) + 0.5));
        web::presenterPass();
    }
    gPacing.latenessMs = std::clamp(emscripten_get_now() - end, 0.0, kMaxCarriedLatenessMs);
}

void backendWaitWhileHeld() {
    // The page's one thread must not block: the passes that bring the focus
    // or the pause key back run here, a pass interval apart, with the
    // browser in control between them (a hidden tab wakes far less often).
    while (framesHeld()) {
        emscripten_sleep(static_cast<unsigned>(kPassIntervalMs));
        web::presenterPass();
    }
    // The time held is not lateness for the next frame's sleep to make up.
    gPacing.latenessMs = 0.0;
}

double backendSeconds() {
    return emscripten_get_now() / 1000.0;
}

void backendEndProgram(int32_t exitCode) {
    web::presenterPass();
    web::announceEnd(exitCode);
    emscripten_force_exit(exitCode);
}

}  // namespace kestrway
