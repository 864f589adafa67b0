// The pad and touch translation: buttons and axes into key states and typed
// keys, with the stick's hysteresis, short presses kept until the game has
// seen them, and nothing taken while the window is not attended.
#include "platform/pad_input.h"

#include <array>
#include <atomic>

#include "platform/frame_hold.h"
#include "platform/screen_device.h"

namespace kestrway {
namespace {

constexpr int32_t kScanP = 25;
constexpr uint32_t kCodeEscape = 27;
constexpr uint32_t kNoTyped = 0;
constexpr int32_t kNoScan = -1;

// What each of the translation's keys does, in the order of its bit.
struct KeyAction {
    uint32_t button;
    int32_t scanCode;
    uint32_t typed;
    bool pauseKey;
};

constexpr std::array<KeyAction, 9> kActions{{
    {kPadUp, kScanUp, extendedKeyCode(kScanUp), false},
    {kPadDown, kScanDown, extendedKeyCode(kScanDown), false},
    {kPadLeft, kScanLeft, extendedKeyCode(kScanLeft), false},
    {kPadRight, kScanRight, extendedKeyCode(kScanRight), false},
    {kPadA, kScanSpace, ' ', false},
    {kPadStart, kNoScan, ' ', true},
    {kPadBack, kScanEscape, kCodeEscape, false},
    {kPadPause, kScanP, 'p', true},
    {kPadContinue, kNoScan, ' ', false},
}};

constexpr uint32_t kMappedButtons = kPadUp | kPadDown | kPadLeft | kPadRight | kPadA | kPadStart |
                                    kPadBack | kPadPause | kPadContinue;

// The stick's directions and the trigger, each pressed past one travel and
// released below another.
struct AxisLatches {
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    bool trigger = false;
};

struct Source {
    bool used = false;
    int32_t id = 0;
    AxisLatches axes;
    uint32_t down = 0;     // buttons this source holds for the game
    uint32_t blocked = 0;  // held across a loss of attention: wait for release
};

// A key let go before the game read it stays down until it is read, or
// until the game has started two more sleeps (a screen that never reads it).
struct Linger {
    bool on = false;
    uint32_t pressedAtSleep = 0;
};

struct Pads {
    std::array<Source, kPadSources> sources{};
    std::array<Linger, kKeyStateCount> lingers{};
    bool attended = true;
};

Pads gPads;
std::atomic<uint32_t> gGameSleeps{0};

// Past `press` to go on, back within `release` to go off.
bool latch(bool on, float travel) {
    return on ? travel > kPadReleaseTravel : travel > kPadPressTravel;
}

uint32_t wantedButtons(const PadState& state, AxisLatches& axes) {
    axes.left = latch(axes.left, -state.stickX);
    axes.right = latch(axes.right, state.stickX);
    axes.up = latch(axes.up, -state.stickY);
    axes.down = latch(axes.down, state.stickY);
    axes.trigger = latch(axes.trigger, state.fireTrigger);
    uint32_t wanted = state.buttons & kMappedButtons;
    if (axes.left) wanted |= kPadLeft;
    if (axes.right) wanted |= kPadRight;
    if (axes.up) wanted |= kPadUp;
    if (axes.down) wanted |= kPadDown;
    if (axes.trigger) wanted |= kPadA;
    return wanted;
}

Source* findSource(int32_t id, bool create) {
    Source* freeSlot = nullptr;
    for (Source& source : gPads.sources) {
        if (source.used && source.id == id) return &source;
        if (!source.used && freeSlot == nullptr) freeSlot = &source;
    }
    if (!create || freeSlot == nullptr) return nullptr;
    *freeSlot = Source{};
    freeSlot->used = true;
    freeSlot->id = id;
    return freeSlot;
}

void press(const KeyAction& action) {
    if (action.scanCode != kNoScan) {
        Linger& linger = gPads.lingers[static_cast<size_t>(action.scanCode)];
        linger.on = true;
        linger.pressedAtSleep = gGameSleeps.load(std::memory_order_relaxed);
    }
    if (action.typed != kNoTyped) addKeyCode(action.typed);
    if (action.pauseKey) pauseKeyPressed();
}

void dropLingers(uint32_t buttons) {
    for (const KeyAction& action : kActions) {
        if ((buttons & action.button) != 0 && action.scanCode != kNoScan) {
            gPads.lingers[static_cast<size_t>(action.scanCode)].on = false;
        }
    }
}

}  // namespace

void setPadState(int32_t source, const PadState& state) {
    Source* pad = findSource(source, true);
    if (pad == nullptr) return;
    const uint32_t wanted = wantedButtons(state, pad->axes);
    if (!gPads.attended) {
        pad->blocked |= wanted;
        pad->down = 0;
        return;
    }
    pad->blocked &= wanted;
    const uint32_t now = wanted & ~pad->blocked;
    const uint32_t pressed = now & ~pad->down;
    pad->down = now;
    for (const KeyAction& action : kActions) {
        if ((pressed & action.button) != 0) press(action);
    }
}

void padSourceGone(int32_t source) {
    Source* pad = findSource(source, false);
    if (pad == nullptr) return;
    dropLingers(pad->down);
    *pad = Source{};
}

bool padHoldsKey(int32_t scanCode) {
    if (scanCode < 0 || scanCode >= kKeyStateCount) return false;
    Linger& linger = gPads.lingers[static_cast<size_t>(scanCode)];
    if (linger.on && gGameSleeps.load(std::memory_order_relaxed) - linger.pressedAtSleep >= 2) {
        linger.on = false;
    }
    if (linger.on) return true;
    for (const Source& pad : gPads.sources) {
        for (const KeyAction& action : kActions) {
            if (action.scanCode == scanCode && (pad.down & action.button) != 0) return true;
        }
    }
    return false;
}

void notePadKeyRead(int32_t scanCode) {
    if (scanCode < 0 || scanCode >= kKeyStateCount) return;
    gPads.lingers[static_cast<size_t>(scanCode)].on = false;
}

void padsAttended(bool attended) {
    const bool lost = gPads.attended && !attended;
    gPads.attended = attended;
    if (!lost) return;  // regained, or told again: held buttons stay as they are
    gPads.lingers = {};
    for (Source& pad : gPads.sources) {
        pad.blocked |= pad.down;
        pad.down = 0;
    }
}

void notePadGameSleep() {
    gGameSleeps.fetch_add(1, std::memory_order_relaxed);
}

void resetPads() {
    gPads = Pads{};
    gGameSleeps.store(0, std::memory_order_relaxed);
}

}  // namespace kestrway
