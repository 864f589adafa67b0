// The platform seam in the browser. There is one thread: each sleep runs a
// presenter pass, then hands control back to the browser for its duration
// (Emscripten's asynchronous sleep), so the page keeps drawing and receiving
// keys while the game's own loops stay as they are.
#include <emscripten/emscripten.h>

#include <algorithm>

#include "platform/backend.h"
#include "platform/screen_device.h"
#include "platform/web/canvas.h"
#include "platform/web/web_presenter.h"

namespace kestrway {

namespace {

// As often as the other backends' presenters run.
constexpr double kPassIntervalMs = 10.0;

}  // namespace

void backendOpenWindow() {
    web::startPresenting();
    web::setPageTitle(screenDevice().title);
}

void backendTitleChanged() {
    web::setPageTitle(screenDevice().title);
}

void backendSleep(int32_t ms) {
    // The frame just drawn goes out before the browser gets control, and
    // keys that arrived meanwhile are in before the game looks at them.
    web::presenterPass();
    const double end = emscripten_get_now() + ms;
    for (;;) {
        const double left = end - emscripten_get_now();
        if (left <= 0) break;
        emscripten_sleep(static_cast<unsigned>(std::min(left, kPassIntervalMs) + 0.5));
        web::presenterPass();
    }
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
