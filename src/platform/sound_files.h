// Where each sound's file is: data/sfx/<name>.wav in the same data folder as
// gfx/. A missing file is silence for that sound, never an error.
#pragma once

#include <string>
#include <string_view>

#include "platform/sound.h"

namespace kestrway {

// The looping sounds and the alarm, which are not one-shot effects.
constexpr std::string_view kEngineSoundName = "engine";
constexpr std::string_view kBoatSoundName = "boat";
constexpr std::string_view kAlarmSoundName = "alarm";

// "shot" for SoundEffect::Shot, ... ("" for Count).
std::string_view soundEffectName(SoundEffect effect);

// "shot" -> <data folder>/sfx/shot.wav as a path on this system.
std::string soundFilePath(std::string_view name);

}  // namespace kestrway
