// The seam between the portable platform core and the operating system.
// Each backend (sdl/ for the real window, headless/ for tests, web/ for the
// browser) implements exactly these; nothing else in the core touches the OS.
#pragma once

#include <cstdint>

namespace kestrway {

// Game thread, from openScreen once the pages exist: create the window with
// the current title and start presenting. Returns when the window exists.
void backendOpenWindow();
// Game thread, from setWindowTitle while the window exists.
void backendTitleChanged();
// Game thread: block for ms milliseconds (virtual time on the headless backend).
void backendSleep(int32_t ms);
// Game thread, from the frame sleep while framesHeld() (frame_hold.h) is
// true: return once it is false, while the window stays responsive. A
// backend with a presenter thread waits with waitUntilFramesRun(); one that
// presents on the game's own thread keeps running its passes meanwhile
// (and the headless backend gives up once no scripted input is left that
// could end the hold).
void backendWaitWhileHeld();
// Any thread: a monotonic clock in seconds.
double backendSeconds();
// Game thread, from endProgram: close the window and end with exitCode.
[[noreturn]] void backendEndProgram(int32_t exitCode);

}  // namespace kestrway
