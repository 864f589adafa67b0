// SDL game controllers: a fixed table of open controllers, fed to the pad
// translation each presenter pass.
#include "platform/sdl/sdl_pads.h"

#include <algorithm>
#include <array>

#include "platform/pad_rumble.h"

namespace kestrway {
namespace {

struct OpenPad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    uint32_t pressedSince = 0;  // translation bits
};

struct SdlPads {
    std::array<OpenPad, kPadSources> pads{};
    // Removed since the last feed: the translation is told under the lock.
    std::array<SDL_JoystickID, kPadSources> gone{};
    size_t goneCount = 0;
    uint32_t rumbleSerial = 0;
};

SdlPads gPads;

constexpr std::array<std::pair<SDL_GameControllerButton, uint32_t>, 8> kButtons{{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kPadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kPadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kPadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kPadRight},
    {SDL_CONTROLLER_BUTTON_A, kPadA},
    {SDL_CONTROLLER_BUTTON_B, kPadB},
    {SDL_CONTROLLER_BUTTON_START, kPadStart},
    {SDL_CONTROLLER_BUTTON_BACK, kPadBack},
}};

uint32_t bitFor(uint8_t button) {
    for (const auto& [sdlButton, bit] : kButtons) {
        if (sdlButton == button) return bit;
    }
    return 0;
}

float axisTravel(SDL_GameController* controller, SDL_GameControllerAxis axis) {
    const float value = static_cast<float>(SDL_GameControllerGetAxis(controller, axis)) / 32767.0f;
    return std::clamp(value, -1.0f, 1.0f);
}

OpenPad* findPad(SDL_JoystickID id) {
    for (OpenPad& pad : gPads.pads) {
        if (pad.controller != nullptr && pad.id == id) return &pad;
    }
    return nullptr;
}

void openPad(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || findPad(id) != nullptr) return;  // SDL may announce a pad twice at start
    for (OpenPad& pad : gPads.pads) {
        if (pad.controller != nullptr) continue;
        pad.controller = SDL_GameControllerOpen(deviceIndex);
        if (pad.controller == nullptr) return;
        pad.id = id;
        pad.pressedSince = 0;
        return;
    }
}

void closePad(SDL_JoystickID id) {
    OpenPad* pad = findPad(id);
    if (pad == nullptr) return;
    SDL_GameControllerClose(pad->controller);
    *pad = OpenPad{};
    if (gPads.goneCount < gPads.gone.size()) gPads.gone[gPads.goneCount++] = id;
}

uint16_t motorStrength(float strength) {
    return static_cast<uint16_t>(std::clamp(strength, 0.0f, 1.0f) * 65535.0f);
}

}  // namespace

bool startSdlPads() {
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    gPads = SdlPads{};
    gPads.rumbleSerial = latestRumble().serial;
    // Controllers already plugged in arrive as added events on the first poll.
    return SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void noteSdlPadEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            openPad(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            closePad(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (OpenPad* pad = findPad(event.cbutton.which)) {
                pad->pressedSince |= bitFor(event.cbutton.button);
            }
            break;
        default:
            break;
    }
}

PadState sdlPadState(SDL_GameController* controller) {
    PadState state;
    for (const auto& [sdlButton, bit] : kButtons) {
        if (SDL_GameControllerGetButton(controller, sdlButton) != 0) state.buttons |= bit;
    }
    state.stickX = axisTravel(controller, SDL_CONTROLLER_AXIS_LEFTX);
    state.stickY = axisTravel(controller, SDL_CONTROLLER_AXIS_LEFTY);
    state.fireTrigger = axisTravel(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    return state;
}

void feedSdlPads() {
    for (size_t index = 0; index < gPads.goneCount; ++index) padSourceGone(gPads.gone[index]);
    gPads.goneCount = 0;
    const Rumble rumble = latestRumble();
    const bool rumbleNow = rumble.serial != gPads.rumbleSerial;
    gPads.rumbleSerial = rumble.serial;
    for (OpenPad& pad : gPads.pads) {
        if (pad.controller == nullptr) continue;
        PadState state = sdlPadState(pad.controller);
        const uint32_t shortPresses = pad.pressedSince & ~state.buttons;
        pad.pressedSince = 0;
        if (shortPresses != 0) {
            PadState pressed = state;
            pressed.buttons |= shortPresses;
            setPadState(pad.id, pressed);
        }
        setPadState(pad.id, state);
        if (rumbleNow) {
            const uint16_t strength = motorStrength(rumble.strength);
            SDL_GameControllerRumble(pad.controller, strength, strength,
                                     static_cast<Uint32>(rumble.durationMs));
        }
    }
}

}  // namespace kestrway
