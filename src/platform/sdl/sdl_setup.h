// Starting SDL for the window: the hints that keep presenting cheap and
// non-blocking, then the video subsystem. Main thread, before the game starts.
#pragma once

namespace kestrway {

// False (with the reason on stderr) when there is no display to open a
// window on. SDL's invisible drivers (dummy, offscreen) are accepted only
// when SDL_VIDEODRIVER names them.
bool startSdl();

}  // namespace kestrway
