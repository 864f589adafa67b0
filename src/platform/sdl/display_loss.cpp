// The fatal X I/O error handler (see display_loss.h). SDL talks to the X
// server through the system's libX11, so the handler set here is the one
// Xlib calls for SDL's connection.
#include "platform/sdl/display_loss.h"

#include <X11/Xlib.h>
#include <unistd.h>

namespace kestrway {

namespace {

constexpr char kDisplayLostMessage[] = "kestrway: the display went away; ending the game\n";

// Called on whichever thread found the connection broken; must not return
// (Xlib would then exit() itself). write and _exit are safe from anywhere,
// and _exit runs no destructor and no atexit handler.
int onDisplayLost(Display*) {
    const ssize_t written =
        ::write(STDERR_FILENO, kDisplayLostMessage, sizeof kDisplayLostMessage - 1);
    static_cast<void>(written);
    ::_exit(1);
}

}  // namespace

void endPromptlyOnDisplayLoss() {
    XSetIOErrorHandler(&onDisplayLost);
}

}  // namespace kestrway
