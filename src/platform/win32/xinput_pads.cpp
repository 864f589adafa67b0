// XInput through LoadLibraryW and GetProcAddress, and its four slots.
#include "platform/win32/xinput_pads.h"

#include <algorithm>
#include <array>

#include "platform/pad_rumble.h"

namespace kestrway {
namespace {

using GetStateProc = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
using SetStateProc = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);

// An empty slot is asked again after this long: asking XInput about empty
// slots is slow on some systems, so it is not done every pass.
constexpr uint64_t kEmptySlotProbeMs = 1000;

struct Slot {
    bool connected = false;
    uint64_t nextProbeMs = 0;
    uint64_t rumbleEndsMs = 0;  // 0: not rumbling
};

struct XInputPads {
    GetStateProc getState = nullptr;
    SetStateProc setState = nullptr;
    std::array<Slot, XUSER_MAX_COUNT> slots{};
    uint32_t rumbleSerial = 0;
};

XInputPads gPads;

constexpr std::array<std::pair<WORD, uint32_t>, 8> kButtons{{
    {XINPUT_GAMEPAD_DPAD_UP, kPadUp},
    {XINPUT_GAMEPAD_DPAD_DOWN, kPadDown},
    {XINPUT_GAMEPAD_DPAD_LEFT, kPadLeft},
    {XINPUT_GAMEPAD_DPAD_RIGHT, kPadRight},
    {XINPUT_GAMEPAD_A, kPadA},
    {XINPUT_GAMEPAD_B, kPadB},
    {XINPUT_GAMEPAD_START, kPadStart},
    {XINPUT_GAMEPAD_BACK, kPadBack},
}};

float thumbTravel(SHORT value) {
    return std::clamp(static_cast<float>(value) / 32767.0f, -1.0f, 1.0f);
}

void vibrate(DWORD slot, float strength) {
    if (gPads.setState == nullptr) return;
    const auto speed = static_cast<WORD>(std::clamp(strength, 0.0f, 1.0f) * 65535.0f);
    XINPUT_VIBRATION vibration{speed, speed};
    gPads.setState(slot, &vibration);
}

}  // namespace

PadState padStateFromXInput(const XINPUT_GAMEPAD& gamepad) {
    PadState state;
    for (const auto& [xinputButton, bit] : kButtons) {
        if ((gamepad.wButtons & xinputButton) != 0) state.buttons |= bit;
    }
    state.stickX = thumbTravel(gamepad.sThumbLX);
    state.stickY = -thumbTravel(gamepad.sThumbLY);  // XInput's y grows upwards
    state.fireTrigger = static_cast<float>(gamepad.bRightTrigger) / 255.0f;
    return state;
}

bool startXInputPads() {
    gPads = XInputPads{};
    HMODULE library = LoadLibraryW(L"xinput1_4.dll");
    if (library == nullptr) library = LoadLibraryW(L"xinput9_1_0.dll");
    if (library == nullptr) return false;
    // GetProcAddress gives a plain FARPROC; these are XInput's own signatures.
    gPads.getState = reinterpret_cast<GetStateProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "XInputGetState")));
    gPads.setState = reinterpret_cast<SetStateProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "XInputSetState")));
    gPads.rumbleSerial = latestRumble().serial;
    return gPads.getState != nullptr;
}

DWORD readXInputSlot(DWORD slot, XINPUT_STATE& state) {
    if (gPads.getState == nullptr) return ERROR_DEVICE_NOT_CONNECTED;
    return gPads.getState(slot, &state);
}

void feedXInputPads(uint64_t nowMs) {
    if (gPads.getState == nullptr) return;
    const Rumble rumble = latestRumble();
    const bool rumbleNow = rumble.serial != gPads.rumbleSerial;
    gPads.rumbleSerial = rumble.serial;
    for (DWORD index = 0; index < XUSER_MAX_COUNT; ++index) {
        Slot& slot = gPads.slots[index];
        if (!slot.connected && nowMs < slot.nextProbeMs) continue;
        XINPUT_STATE state{};
        if (readXInputSlot(index, state) != ERROR_SUCCESS) {
            if (slot.connected) padSourceGone(static_cast<int32_t>(index));
            slot = Slot{};
            slot.nextProbeMs = nowMs + kEmptySlotProbeMs;
            continue;
        }
        slot.connected = true;
        setPadState(static_cast<int32_t>(index), padStateFromXInput(state.Gamepad));
        if (rumbleNow) {
            vibrate(index, rumble.strength);
            slot.rumbleEndsMs = nowMs + static_cast<uint64_t>(rumble.durationMs);
        } else if (slot.rumbleEndsMs != 0 && nowMs >= slot.rumbleEndsMs) {
            vibrate(index, 0.0f);
            slot.rumbleEndsMs = 0;
        }
    }
}

}  // namespace kestrway
