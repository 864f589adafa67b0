// Sound through SDL: the default output device, mono 16-bit at 48,000 Hz
// (44,100 where the device prefers it), 512 frames a buffer, its callback
// pulling from the mixer. Without a device the game plays silently.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace kestrway {

// Frames per device buffer: 10.7 ms at 48,000 Hz.
constexpr int32_t kSdlAudioBufferFrames = 512;

// Main thread, after startSdl and before the game starts. Starts SDL's audio,
// opens the device and the mixer and starts the callback; false (with one
// line on stderr) when there is no usable device: the game plays silently.
bool openSdlAudio();

// Main thread, from the presenter's events: when the device the game plays
// on goes away (a headset unplugged, the sound server gone), it is closed
// and play goes on in silence. The game thread never waits on any of it.
void audioDeviceRemoved(const SDL_AudioDeviceEvent& event);

// The rate the device was opened at, 0 when none is open.
int32_t sdlAudioRate();
// The open device, 0 when none.
SDL_AudioDeviceID sdlAudioDevice();

}  // namespace kestrway
