// Game controllers in the SDL window: opened as they are plugged in (before
// or during play, several at once), read in each presenter pass and handed
// to the pad translation, and rumbled on the game's hits.
#pragma once

#include <SDL.h>

#include "platform/pad_input.h"

namespace kestrway {

// Main thread, before SDL's joystick code starts: A is the bottom face
// button on every make, whatever its label. Then starts the controller
// subsystem with SDL's own mapping database and any mappings in
// SDL_GAMECONTROLLERCONFIG. False when it cannot start: keyboard only.
bool startSdlPads();

// Main thread, for every polled event: controllers added and removed, and
// button presses (so a press shorter than a pass is not lost).
void noteSdlPadEvent(const SDL_Event& event);

// Main thread, with screenMutex() held: every open controller's state to
// the translation, and a new rumble request to every controller.
void feedSdlPads();

// A controller's state now, as the translation takes it.
PadState sdlPadState(SDL_GameController* controller);

}  // namespace kestrway
