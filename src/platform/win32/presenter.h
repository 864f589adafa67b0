// The presenter: a thread of its own that creates the game's window (a
// Windows window belongs to the thread that made it) and runs its message
// loop. Every 10 ms it handles the window's messages, then under the screen
// lock feeds the keys to the game and copies the changed lines.
#pragma once

namespace kestrway {

// Game thread, from openScreen: starts the presenter and returns once the
// window exists. False when it could not be made.
bool startPresenter();
// Game thread, after the title changed: the presenter shows it on its next pass.
void presenterTitleChanged();
// Game thread, from endProgram, without the screen lock: the presenter
// closes the window and ends; returns when it has.
void stopPresenter();

}  // namespace kestrway
