// Test control of the headless backend: a virtual clock, scripted keys and
// the close button, the presented picture, and endProgram handed back to the
// test as a ProgramExit exception.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/pad_input.h"

namespace kestrway::headless {

// Thrown by endProgram; the harness catches it where the process would end.
struct ProgramExit {
    int32_t exitCode;
};

// Forgets every script, rewinds the virtual clock to 0, closes the screen
// and frees every file number: a fresh program for the next test.
void reset();

// What timerSeconds() reads at virtual time 0 (so a test picks the seed the
// game takes from the timer). 1000 after reset().
void setClockStart(double seconds);

// Virtual seconds since reset(); advanced only by sleeps.
double virtualSeconds();
// Presenter passes run so far (one per 10 ms of virtual time).
int64_t presenterPasses();

// Scripted input, applied by the presenter pass due at that virtual time.
void holdKey(int32_t scanCode, double fromSeconds, double untilSeconds);
// A typed character (1..255) or an extended code (255 + 256 x k).
void typeKey(uint32_t code, double atSeconds);
void typeText(std::string_view text, double atSeconds);
void pressCloseButton(double atSeconds);
// Each call flips the window's focus (it starts focused).
void changeFocus(double atSeconds);
// Each call minimises or restores the window (it starts restored).
void toggleMinimised(double atSeconds);
// The P or Pause key goes down.
void pressPauseKey(double atSeconds);
// The M key goes down: sound off or on (the game itself never sees it).
void pressSoundKey(double atSeconds);

// Sound in virtual time: from now on every presenter pass, after applying its
// input, mixes 10 ms at deviceRate (the mixer must be started by the test,
// with startMixer or its own clips) and keeps the samples. Off after reset(),
// which also stops the mixer and turns the mute off.
void captureSound(int32_t deviceRate);
// Every sample mixed since captureSound, 10 ms per presenter pass.
std::span<const int16_t> capturedSound();
// Samples per presenter pass while capturing.
int32_t soundFramesPerPass();

// A pad or touch source's state from that virtual time on, handed to the
// translation by the pass due then; several at one time are handed over in
// the order given (a press and its release within one pass).
void setPad(int32_t source, const PadState& state, double atSeconds);
// The source unplugged at that time.
void removePad(int32_t source, double atSeconds);

// Called after every presenter pass (for example to check invariants or to
// script input from the game's state). Cleared by reset().
void setPassHook(std::function<void()> hook);

// The picture as the window shows it after the last presenter pass.
uint32_t presentedPixel(int32_t x, int32_t y);
// Runs a presenter pass now, outside the clock (a test's "look at the window").
void presentNow();
// When on, a presenter pass (counted, and followed by the pass hook) also
// runs right after every outermost unlockScreen, the moment a real presenter
// thread may first take the lock: a test then sees every picture the window
// could show. Off after reset().
void presentAtEveryUnlock(bool on);

}  // namespace kestrway::headless
