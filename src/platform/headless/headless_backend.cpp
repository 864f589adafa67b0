// The headless backend: no window and no thread. Sleeps advance a virtual
// clock, and every 10 ms of it runs one presenter pass that applies the
// scripted keys and copies the changed lines to the "window".
#include <algorithm>
#include <array>
#include <vector>

#include "platform/backend.h"
#include "platform/files.h"
#include "platform/frame_hold.h"
#include "platform/headless/headless.h"
#include "platform/mixer.h"
#include "platform/pad_input.h"
#include "platform/screen_device.h"
#include "platform/sound_toggle.h"

namespace kestrway {

namespace {

constexpr int64_t kPassIntervalMs = 10;
// The timer starts well away from 0 so that seeds taken from it look like a
// real clock's.
constexpr double kClockStartSeconds = 1000.0;

struct KeyHold {
    int32_t scanCode;
    int64_t fromMs;
    int64_t untilMs;
};

struct TimedEvent {
    int64_t atMs;
    uint32_t code;  // a key code, kFocusEvent, kMinimiseEvent or kPauseKeyEvent
};

struct PadEvent {
    int64_t atMs;
    int32_t source;
    bool gone;
    PadState state;
};

constexpr uint32_t kFocusEvent = 0xFFFFFFFFu;
constexpr uint32_t kMinimiseEvent = 0xFFFFFFFEu;
constexpr uint32_t kPauseKeyEvent = 0xFFFFFFFDu;
constexpr uint32_t kSoundKeyEvent = 0xFFFFFFFCu;
// A minute of 48,000 Hz sound, so a capture rarely grows inside a pass.
constexpr size_t kCaptureReserve = 48000 * 60;

struct HeadlessState {
    double clockStart = kClockStartSeconds;
    int64_t nowMs = 0;
    int64_t nextPassMs = kPassIntervalMs;
    int64_t passes = 0;
    bool focused = true;
    bool minimised = false;
    std::vector<KeyHold> holds;
    std::vector<TimedEvent> events;  // in order of time
    size_t nextEvent = 0;
    std::vector<PadEvent> padEvents;  // in order of time
    size_t nextPadEvent = 0;
    std::function<void()> hook;
    std::vector<uint32_t> window = std::vector<uint32_t>(kScreenWidth * kScreenHeight, 0);
    int32_t soundFramesPerPass = 0;  // 0: not capturing
    std::vector<int16_t> sound;
};

HeadlessState gState;

int64_t toMs(double seconds) {
    return static_cast<int64_t>(seconds * 1000.0 + 0.5);
}

void addEvent(int64_t atMs, uint32_t code) {
    TimedEvent event{atMs, code};
    auto at = std::upper_bound(
        gState.events.begin() + static_cast<std::ptrdiff_t>(gState.nextEvent), gState.events.end(),
        event, [](const TimedEvent& a, const TimedEvent& b) { return a.atMs < b.atMs; });
    gState.events.insert(at, event);
}

// After those already due at the same time, so a script's order holds.
void addPadEvent(const PadEvent& event) {
    auto at = std::upper_bound(
        gState.padEvents.begin() + static_cast<std::ptrdiff_t>(gState.nextPadEvent),
        gState.padEvents.end(), event,
        [](const PadEvent& a, const PadEvent& b) { return a.atMs < b.atMs; });
    gState.padEvents.insert(at, event);
}

void presenterPass() {
    ScreenDevice& device = screenDevice();
    // Single-threaded: the game cannot be inside its own lock while it
    // sleeps, but a test may call presentNow() from anywhere.
    const bool lockHeld = device.lockCount > 0;
    if (!lockHeld) screenMutex().lock();
    if (device.open) {
        while (gState.nextEvent < gState.events.size() &&
               gState.events[gState.nextEvent].atMs <= gState.nowMs) {
            const TimedEvent& event = gState.events[gState.nextEvent++];
            if (event.code == kFocusEvent || event.code == kMinimiseEvent) {
                bool& flag = event.code == kFocusEvent ? gState.focused : gState.minimised;
                flag = !flag;
                focusChanged(gState.focused && !gState.minimised);
            } else if (event.code == kPauseKeyEvent) {
                pauseKeyPressed();
            } else if (event.code == kSoundKeyEvent) {
                soundKeyPressed(backendSeconds());
            } else {
                addKeyCode(event.code);
            }
        }
        while (gState.nextPadEvent < gState.padEvents.size() &&
               gState.padEvents[gState.nextPadEvent].atMs <= gState.nowMs) {
            const PadEvent& event = gState.padEvents[gState.nextPadEvent++];
            if (event.gone) {
                padSourceGone(event.source);
            } else {
                setPadState(event.source, event.state);
            }
        }
        if (gState.focused) {
            std::array<uint8_t, kKeyStateCount> states{};
            for (const KeyHold& hold : gState.holds) {
                if (hold.fromMs <= gState.nowMs && gState.nowMs < hold.untilMs) {
                    states[static_cast<size_t>(hold.scanCode)] = 1;
                }
            }
            setKeyStates(states);
        }
        takeChangedLineRuns([&](int32_t first, int32_t last) {
            std::copy(device.work + first * kScreenWidth, device.work + (last + 1) * kScreenWidth,
                      gState.window.begin() + first * kScreenWidth);
        });
    }
    if (!lockHeld) screenMutex().unlock();
    if (gState.soundFramesPerPass > 0) {
        const size_t start = gState.sound.size();
        gState.sound.resize(start + static_cast<size_t>(gState.soundFramesPerPass));
        mixAudio(gState.sound.data() + start, gState.soundFramesPerPass);
    }
    ++gState.passes;
    if (gState.hook) gState.hook();
}

}  // namespace

void backendOpenWindow() {}

void backendTitleChanged() {}

void backendSleep(int32_t ms) {
    const int64_t target = gState.nowMs + ms;
    while (gState.nextPassMs <= target) {
        gState.nowMs = gState.nextPassMs;
        gState.nextPassMs += kPassIntervalMs;
        presenterPass();
    }
    gState.nowMs = target;
}

void backendWaitWhileHeld() {
    // Virtual time runs on through the presenter passes, which bring the
    // scripted focus and pause key; with nothing scripted left, nothing could
    // ever end the hold, so the frames run on instead of hanging the test.
    while (framesHeld() && (gState.nextEvent < gState.events.size() ||
                            gState.nextPadEvent < gState.padEvents.size())) {
        backendSleep(static_cast<int32_t>(kPassIntervalMs));
    }
}

double backendSeconds() {
    return gState.clockStart + static_cast<double>(gState.nowMs) / 1000.0;
}

void backendEndProgram(int32_t exitCode) {
    resetScreenDevice();
    throw headless::ProgramExit{exitCode};
}

namespace headless {

void reset() {
    setScreenReleasedHook(nullptr);
    resetScreenDevice();
    closeAllFiles();
    stopMixer();
    setSoundMuted(false);
    resetSoundLine();
    gState = HeadlessState{};
}

void setClockStart(double seconds) {
    gState.clockStart = seconds;
}

double virtualSeconds() {
    return static_cast<double>(gState.nowMs) / 1000.0;
}

int64_t presenterPasses() {
    return gState.passes;
}

void holdKey(int32_t scanCode, double fromSeconds, double untilSeconds) {
    if (scanCode < 0 || scanCode >= kKeyStateCount) return;
    gState.holds.push_back(KeyHold{scanCode, toMs(fromSeconds), toMs(untilSeconds)});
}

void typeKey(uint32_t code, double atSeconds) {
    addEvent(toMs(atSeconds), code);
}

void typeText(std::string_view text, double atSeconds) {
    for (char c : text) typeKey(static_cast<unsigned char>(c), atSeconds);
}

void pressCloseButton(double atSeconds) {
    addEvent(toMs(atSeconds), kCloseKeyCode);
}

void changeFocus(double atSeconds) {
    addEvent(toMs(atSeconds), kFocusEvent);
}

void toggleMinimised(double atSeconds) {
    addEvent(toMs(atSeconds), kMinimiseEvent);
}

void pressPauseKey(double atSeconds) {
    addEvent(toMs(atSeconds), kPauseKeyEvent);
}

void setPad(int32_t source, const PadState& state, double atSeconds) {
    addPadEvent(PadEvent{toMs(atSeconds), source, false, state});
}

void removePad(int32_t source, double atSeconds) {
    addPadEvent(PadEvent{toMs(atSeconds), source, true, PadState{}});
}

void pressSoundKey(double atSeconds) {
    addEvent(toMs(atSeconds), kSoundKeyEvent);
}

void captureSound(int32_t deviceRate) {
    gState.soundFramesPerPass = deviceRate * static_cast<int32_t>(kPassIntervalMs) / 1000;
    gState.sound.clear();
    gState.sound.reserve(kCaptureReserve);
}

std::span<const int16_t> capturedSound() {
    return gState.sound;
}

int32_t soundFramesPerPass() {
    return gState.soundFramesPerPass;
}

void setPassHook(std::function<void()> hook) {
    gState.hook = std::move(hook);
}

uint32_t presentedPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return 0;
    return gState.window[static_cast<size_t>(y * kScreenWidth + x)];
}

void presentNow() {
    presenterPass();
}

void presentAtEveryUnlock(bool on) {
    setScreenReleasedHook(on ? &presenterPass : nullptr);
}

}  // namespace headless

}  // namespace kestrway
