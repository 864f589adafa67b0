// The presenter: the main thread's loop that owns the window. Every 10 ms it
// gathers window events, feeds keys to the game under the screen lock, sends
// the changed lines and shows them; it also opens the window and ends the
// program when the game thread asks.
#pragma once

namespace kestrway {

// Main thread, after startSdl and once the game thread is running. Never
// returns: the process ends here with the game's exit code.
[[noreturn]] void runPresenter();

}  // namespace kestrway
