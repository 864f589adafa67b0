// Ending the game when its display goes away (the X server stops or the
// connection breaks) while it plays.
#pragma once

namespace kestrway {

// Replaces Xlib's fatal I/O error handler, whose default calls exit() on the
// presenter thread: that runs the program's static destructors while the
// game thread is still drawing. Ours prints one line and ends the process
// at once with status 1, running nothing. Call once the video system is up.
void endPromptlyOnDisplayLoss();

}  // namespace kestrway
