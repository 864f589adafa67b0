// Gamepads and touch controls as the game sees them: each backend hands over
// a source's buttons and axes, and this one translation turns them into the
// keyboard's own key states and typed keys, so the game cannot tell them apart.
#pragma once

#include <cstdint>

namespace kestrway {

// Buttons a source can hold, as bits of PadState::buttons. A gamepad uses the
// first eight; a touch panel uses the D-pad bits for its arrows, A for fire,
// Back for Escape, and the last two, which no gamepad has.
constexpr uint32_t kPadUp = 1u << 0;     // the arrows (D-pad, or gear up/down and
constexpr uint32_t kPadDown = 1u << 1;   // steering on a touch panel): the cursor
constexpr uint32_t kPadLeft = 1u << 2;   // keys held, and their extended codes
constexpr uint32_t kPadRight = 1u << 3;  // typed once per press
constexpr uint32_t kPadA = 1u << 4;      // Space held, " " typed (fire; continue)
constexpr uint32_t kPadB = 1u << 5;      // nothing: beside A it would quit by mistake
// The pause key pressed and " " typed: the pause key acts only in play and
// play reads no typed key but the close button, while a still screen
// ignores the pause key and continues on " ". So Start pauses in play and
// continues on a still screen without the platform knowing which it is.
constexpr uint32_t kPadStart = 1u << 6;
constexpr uint32_t kPadBack = 1u << 7;      // Escape held and typed, as the key
constexpr uint32_t kPadPause = 1u << 8;     // the P key exactly: pause in play, nothing else
constexpr uint32_t kPadContinue = 1u << 9;  // " " typed only (a tap on the picture)

// Stick and trigger travel at which a direction counts as pressed, and below
// which it counts as released again: one push is one press.
constexpr float kPadPressTravel = 0.6f;
constexpr float kPadReleaseTravel = 0.4f;

// A source's whole state at one moment. A backend that learns of a press and
// its release between two hand-overs may hand over both states in turn: the
// press is kept for the game (see setPadState).
struct PadState {
    uint32_t buttons = 0;
    float stickX = 0.0f;       // left stick: -1 left .. +1 right
    float stickY = 0.0f;       // -1 up .. +1 down
    float fireTrigger = 0.0f;  // right trigger: 0 .. 1, acts as A
};

// At most this many sources at once; further ones are ignored until one goes.
constexpr int32_t kPadSources = 8;

// Presenter side, with screenMutex() held. `source` is any number the
// backend keeps for one device (a controller's id, an XInput slot, the
// touch panel), stable while the device is there.
//
// Held keys of all sources are OR'ed with the keyboard's. Each button's
// press adds its typed key once (no repeat). A key released before the game
// has read it stays down until the game's next frame has seen it. While the
// window is not attended nothing is taken, and a button held across a loss
// of attention counts only after it is released and pressed again.
void setPadState(int32_t source, const PadState& state);
// The device was unplugged or the panel hidden: everything it held goes up.
void padSourceGone(int32_t source);

// Core side (keyboard.cpp, frame_hold.cpp, screen.cpp), with screenMutex()
// held unless said otherwise.
// True while some source holds the key (after the keyboard says it is up).
bool padHoldsKey(int32_t scanCode);
// The game has read the key as down: a short press may now be let go.
void notePadKeyRead(int32_t scanCode);
// The window's attention changed: every source lets go of everything.
void padsAttended(bool attended);
// Game thread, without the screen lock: a game sleep (a frame or a key
// wait) starts, so keys the current screen never reads are let go too.
void notePadGameSleep();
// Back to no sources (tests run many programs in one process).
void resetPads();

}  // namespace kestrway
