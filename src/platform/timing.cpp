// Sleeps and the timer, over the backend's clock.
#include "platform/timing.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/pad_input.h"
#include "platform/screen_device.h"
#include "platform/windowless.h"

namespace kestrway {

namespace {

constexpr int32_t kKeyCheckMs = 50;

// Reads and clears the key-press flag, as every check of a key wait does.
bool takeKeyPressed() {
    lockScreen();
    const bool pressed = screenDevice().keyPressed;
    screenDevice().keyPressed = false;
    unlockScreenUnmarked();
    return pressed;
}

}  // namespace

// The game's frames sleep here, so this is where they are held.
ErrorCode sleepMs(int32_t ms) {
    if (windowless()) return ErrorCode::kOk;
    noteFrameSleep();
    notePadGameSleep();
    if (ms > 0) backendSleep(ms);
    if (framesHeld()) backendWaitWhileHeld();
    return ErrorCode::kOk;
}

ErrorCode sleepUntilKey(int32_t ms) {
    if (windowless()) return ErrorCode::kOk;
    noteKeyWaitSleep();
    notePadGameSleep();
    if (ms == -1) {
        while (!takeKeyPressed()) backendSleep(kKeyCheckMs);
        return ErrorCode::kOk;
    }
    if (ms <= 0) return ErrorCode::kOk;
    if (ms < 100) {
        backendSleep(ms);
        return ErrorCode::kOk;
    }
    int32_t remaining = ms;
    while (remaining > kKeyCheckMs) {
        if (takeKeyPressed()) return ErrorCode::kOk;
        backendSleep(kKeyCheckMs);
        remaining -= kKeyCheckMs;
    }
    backendSleep(remaining);
    return ErrorCode::kOk;
}

double timerSeconds() {
    return backendSeconds();
}

}  // namespace kestrway
