// The presenter pass on the browser's one thread: it runs inside the game's
// sleeps, where the SDL backend's presenter thread would run beside them.
#pragma once

namespace kestrway::web {

// Binds the canvas and starts listening to the page's keys and focus. The
// whole picture goes out with the next pass.
void startPresenting();

// Hands the gathered keys and focus changes to the core and puts the
// changed lines on the canvas.
void presenterPass();

}  // namespace kestrway::web
