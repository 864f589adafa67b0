// Xbox-type pads on Windows through XInput, loaded at run time from the
// system (xinput1_4.dll, else xinput9_1_0.dll; neither: keyboard only), so
// the program imports no DLL beyond the ones it always had. Connected slots
// are read on each presenter pass, empty ones about once a second.
#pragma once

#include <windows.h>
#include <xinput.h>

#include <cstdint>

#include "platform/pad_input.h"

namespace kestrway {

// A pad's buttons, left stick and right trigger as the translation takes them.
PadState padStateFromXInput(const XINPUT_GAMEPAD& gamepad);

// Presenter thread, once: loads XInput. False when no XInput DLL loads.
bool startXInputPads();
// The loaded XInputGetState's answer for a slot (ERROR_DEVICE_NOT_CONNECTED
// for an empty one); ERROR_DEVICE_NOT_CONNECTED too when XInput is missing.
DWORD readXInputSlot(DWORD slot, XINPUT_STATE& state);
// Presenter thread, with screenMutex() held, each pass: the slots due to be
// read handed to the translation (by slot number), a slot that went empty
// reported gone, and a new rumble started or a finished one stopped.
void feedXInputPads(uint64_t nowMs);

}  // namespace kestrway
