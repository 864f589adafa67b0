// Holding the game's frames: while the window is in the background or
// minimised, or the player has paused with the pause key, the game thread
// waits in its frame sleep, so no frame counter, timer or bonus moves on.
// The presenter reports what the window sees; the sleeps tell the hold
// whether the game is in play. All of it is safe from either thread.
#pragma once

namespace kestrway {

// Game thread, at the start of every sleep. A frame sleep (sleepMs) means
// the game is in play; a key wait (sleepUntilKey) means a still screen,
// where the pause key does nothing and a pause left over from play is
// dropped.
void noteFrameSleep();
void noteKeyWaitSleep();

// Presenter side. attended: the window has the keyboard focus and is not
// minimised.
void setWindowAttended(bool attended);
// The P or Pause key went down: toggles the pause during play only.
void pauseKeyPressed();
// The close button: lifts the hold so the game can read it and end. A
// later pause or loss of focus holds again.
void closeRequested();

// True while the game's frames stay held (in play, and paused or away).
bool framesHeld();
// True while the game is in play (its last sleep was a frame's): the web
// page shows its Escape button only then.
bool framesInPlay();
// True once after framesHeld() has changed: the window layer redraws its
// "Paused" line.
bool takeHoldChanged();

// Game thread, threaded backends: returns when framesHeld() is false.
// Waits on a condition, never polls.
void waitUntilFramesRun();

// Back to a fresh program's state: attended, not paused, not in play.
void resetFrameHold();

}  // namespace kestrway
