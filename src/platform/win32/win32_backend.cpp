// The platform seam on Windows: the game thread's side of the window, the
// sound device, the clock and the program's end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/win32/presenter.h"
#include "platform/win32/system_clock.h"
#include "platform/win32/wave_out.h"

namespace kestrway {

void backendOpenWindow() {
    if (!startPresenter()) {
        std::fprintf(stderr, "kestrway: no window could be opened\n");
        releaseFineTimer();
        std::exit(EXIT_FAILURE);
    }
    // Without a sound device the game plays on silently.
    if (!startWaveOut()) std::fprintf(stderr, "kestrway: no sound (no audio device opened)\n");
}

void backendTitleChanged() {
    presenterTitleChanged();
}

void backendSleep(int32_t ms) {
    if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

void backendWaitWhileHeld() {
    // The presenter thread goes on handling the window and lifts the hold.
    waitUntilFramesRun();
}

double backendSeconds() {
    return systemSeconds();
}

void backendEndProgram(int32_t exitCode) {
    // The presenter may be waiting for the screen lock in its pass; it must
    // finish that pass to see the request.
    ScreenDevice& device = screenDevice();
    if (device.lockCount > 0) {
        device.lockCount = 0;
        screenMutex().unlock();
    }
    stopPresenter();
    stopWaveOut();
    releaseFineTimer();
    // The presenter has ended: this is the only thread left.
    std::exit(exitCode);
}

}  // namespace kestrway
