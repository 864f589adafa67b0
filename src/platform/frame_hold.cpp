// The frame hold's state, shared by the presenter and the game thread under
// a lock of its own (taken inside the screen lock, never around it).
#include "platform/frame_hold.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace kestrway {
namespace {

struct FrameHold {
    std::mutex mutex;
    std::condition_variable released;
    bool attended = true;
    bool paused = false;
    bool closing = false;
    bool inPlay = false;
    bool changed = false;
    // held() as of the last change, for readers that must not take the lock
    // (the audio callback).
    std::atomic<bool> heldNow{false};

    bool held() const { return inPlay && !closing && (paused || !attended); }
};

// Never destroyed: the game thread may still wait on it while the process
// ends from the presenter.
FrameHold& hold() {
    static FrameHold* const state = new FrameHold;
    return *state;
}

// Applies a change to the state and, when it changes whether frames are
// held, notes it for the window and wakes the waiting game thread.
template <typename Change>
void update(Change&& change) {
    FrameHold& state = hold();
    bool lifted = false;
    {
        std::lock_guard lock(state.mutex);
        const bool before = state.held();
        change(state);
        state.heldNow.store(state.held(), std::memory_order_relaxed);
        if (state.held() != before) {
            state.changed = true;
            lifted = before;
        }
    }
    if (lifted) state.released.notify_all();
}

}  // namespace

void noteFrameSleep() {
    update([](FrameHold& state) { state.inPlay = true; });
}

void noteKeyWaitSleep() {
    update([](FrameHold& state) {
        state.inPlay = false;
        state.paused = false;
    });
}

void setWindowAttended(bool attended) {
    update([attended](FrameHold& state) {
        if (state.attended == attended) return;
        state.attended = attended;
        if (!attended) state.closing = false;
    });
}

void pauseKeyPressed() {
    update([](FrameHold& state) {
        if (!state.inPlay) return;
        state.paused = !state.paused;
        state.closing = false;
    });
}

void closeRequested() {
    update([](FrameHold& state) { state.closing = true; });
}

bool framesHeld() {
    return hold().heldNow.load(std::memory_order_relaxed);
}

bool takeHoldChanged() {
    FrameHold& state = hold();
    std::lock_guard lock(state.mutex);
    const bool changed = state.changed;
    state.changed = false;
    return changed;
}

bool framesInPlay() {
    FrameHold& state = hold();
    std::lock_guard lock(state.mutex);
    return state.inPlay;
}

void waitUntilFramesRun() {
    FrameHold& state = hold();
    std::unique_lock lock(state.mutex);
    state.released.wait(lock, [&] { return !state.held(); });
}

void resetFrameHold() {
    FrameHold& state = hold();
    std::lock_guard lock(state.mutex);
    state.attended = true;
    state.paused = false;
    state.closing = false;
    state.inPlay = false;
    state.changed = false;
    state.heldNow.store(false, std::memory_order_relaxed);
}

}  // namespace kestrway
