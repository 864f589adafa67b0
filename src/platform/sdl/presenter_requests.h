// What the game thread asks of the presenter (open the window, retitle it,
// end the program) and the presenter's answer, with the wake-up between them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

namespace kestrway {

struct PresenterRequests {
    std::mutex mutex;
    // Woken both ways: the presenter waits for requests, the game thread for
    // the window to exist.
    std::condition_variable changed;
    bool windowWanted = false;
    bool windowReady = false;
    bool titleChanged = false;
    std::string title;
    // exitCode is written before exitWanted is raised.
    std::atomic<int32_t> exitCode{0};
    std::atomic<bool> exitWanted{false};
};

// Never destroyed: the game thread may still be parked on it while the
// presenter ends the process.
PresenterRequests& presenterRequests();

}  // namespace kestrway
