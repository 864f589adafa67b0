// The audio side of sound: the portable mixer a backend pulls samples from on
// its own audio thread or callback. Nothing here blocks the game thread.
#pragma once
#include <cstdint>

namespace kestrway {

constexpr int32_t kMixerVoices = 16;

// The backend's audio thread or callback, once its device is open at
// deviceRate (44,100 or 48,000 Hz; the 22,050 Hz files are converted).
// Loads data/sfx once (a missing or bad file is silence for that sound).
void startMixer(int32_t deviceRate);
// Fill frameCount mono 16-bit samples: the events queued since the last
// call, the voices still sounding, the engine and the alarm. Silence while
// muted or while play is held. Never allocates, never waits on the game.
void mixAudio(int16_t* out, int32_t frameCount);
// The backend, when its device closes or is lost.
void stopMixer();

// M and --mute. Any thread.
void setSoundMuted(bool muted);
bool soundMuted();

}  // namespace kestrway
