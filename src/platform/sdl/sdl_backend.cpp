// The platform seam on SDL: the game thread's side of the window, the clock
// and the program's end.
#include <chrono>
#include <thread>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/sdl/presenter_requests.h"

namespace kestrway {

void backendOpenWindow() {
    PresenterRequests& requests = presenterRequests();
    std::unique_lock lock(requests.mutex);
    requests.windowWanted = true;
    requests.changed.notify_all();
    requests.changed.wait(lock, [&] { return requests.windowReady; });
}

void backendTitleChanged() {
    PresenterRequests& requests = presenterRequests();
    {
        std::lock_guard lock(requests.mutex);
        requests.title = screenDevice().title;
        requests.titleChanged = true;
    }
    requests.changed.notify_all();
}

void backendSleep(int32_t ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void backendWaitWhileHeld() {
    // The presenter thread goes on handling the window and lifts the hold.
    waitUntilFramesRun();
}

double backendSeconds() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceStart).count();
}

void backendEndProgram(int32_t exitCode) {
    PresenterRequests& requests = presenterRequests();
    requests.exitCode.store(exitCode, std::memory_order_relaxed);
    // The presenter may be waiting for the screen lock in its pass; it must
    // finish that pass to see the request.
    ScreenDevice& device = screenDevice();
    if (device.lockCount > 0) {
        device.lockCount = 0;
        screenMutex().unlock();
    }
    {
        std::lock_guard lock(requests.mutex);
        requests.exitWanted.store(true, std::memory_order_release);
    }
    requests.changed.notify_all();
    // Ending the process from this thread races SDL's teardown on the main
    // thread; the presenter ends it instead, and this thread waits for that.
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(1));
    }
}

}  // namespace kestrway
