// Reading the sound files for the mixer when a backend opens its device.
#include <cstdio>
#include <string>

#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound_files.h"

namespace kestrway {
namespace {

std::string_view slotName(int32_t slot) {
    if (slot == kEngineSlot) return kEngineSoundName;
    if (slot == kBoatSlot) return kBoatSoundName;
    if (slot == kAlarmSlot) return kAlarmSoundName;
    return soundEffectName(static_cast<SoundEffect>(slot));
}

}  // namespace

SoundClips loadSoundClips() {
    SoundClips clips;
    int32_t failed = 0;
    std::string firstFailure;
    for (int32_t slot = 0; slot < kSoundSlots; ++slot) {
        std::string error;
        clips[static_cast<size_t>(slot)] = loadWavFile(soundFilePath(slotName(slot)), error);
        if (clips[static_cast<size_t>(slot)]) continue;
        if (failed++ == 0) firstFailure = std::string(slotName(slot)) + ": " + error;
    }
    if (failed > 0) {
        std::fprintf(stderr,
                     "kestrway: %d sound file(s) not loaded, those sounds are silent (%s)\n",
                     static_cast<int>(failed), firstFailure.c_str());
    }
    return clips;
}

void startMixer(int32_t deviceRate) {
    startMixerWithClips(deviceRate, loadSoundClips());
}

}  // namespace kestrway
