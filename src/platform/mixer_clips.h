// The mixer's sounds in memory: one slot per effect, then the engine, the
// boat and the alarm. startMixer reads them from data/sfx; tests and the
// benchmark hand the mixer clips they made.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/sound.h"
#include "platform/wav_file.h"

namespace kestrway {

constexpr int32_t kEngineSlot = static_cast<int32_t>(SoundEffect::Count);
constexpr int32_t kBoatSlot = kEngineSlot + 1;
constexpr int32_t kAlarmSlot = kEngineSlot + 2;
constexpr int32_t kSoundSlots = kEngineSlot + 3;

// A missing slot is silence for that sound.
using SoundClips = std::array<std::optional<SoundClip>, kSoundSlots>;

// Reads every sound file; a missing or bad one leaves its slot empty, and
// all of them together are told in one line on stderr.
SoundClips loadSoundClips();

// startMixer with clips already read: each is converted to deviceRate here,
// the only place the mixer allocates.
void startMixerWithClips(int32_t deviceRate, const SoundClips& clips);

}  // namespace kestrway
