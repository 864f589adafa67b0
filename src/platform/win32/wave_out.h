// Sound on Windows: waveOut from winmm, fed by the portable mixer on a
// thread of its own, so the game thread never waits on the device.
#pragma once

namespace kestrway {

// 44,100 Hz mono 16-bit, in buffers of this many frames (11.6 ms each); an
// event raised in a frame is mixed into the next buffer handed back, at most
// kWaveOutBuffers buffers ahead of what is heard.
constexpr int kWaveOutRate = 44100;
constexpr int kWaveOutFrames = 512;
constexpr int kWaveOutBuffers = 3;

// Game thread, once the window is open: opens the default device and starts
// the thread that keeps its buffers filled. False when there is no device
// (or it fails to open): the game then plays on silently.
bool startWaveOut();
// Game thread, at the program's end: stops the thread and closes the device.
// Nothing happens when it was never started.
void stopWaveOut();
// Whether the device is open and being fed (false once it failed in play).
bool waveOutPlaying();

}  // namespace kestrway
