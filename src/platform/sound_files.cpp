// The sound files' names and where they are found.
#include "platform/sound_files.h"

#include <array>

#include "platform/files.h"

namespace kestrway {

namespace {

// In SoundEffect order.
constexpr std::array<std::string_view, static_cast<size_t>(SoundEffect::Count)> kEffectNames = {
    "shot",  "rocket",   "tower_round", "explosion", "car_explosion",   "hit",      "spanner",
    "bonus", "water_in", "water_out",   "get_ready", "stage_completed", "game_over"};

}  // namespace

std::string_view soundEffectName(SoundEffect effect) {
    const auto index = static_cast<size_t>(effect);
    return index < kEffectNames.size() ? kEffectNames[index] : std::string_view();
}

std::string soundFilePath(std::string_view name) {
    std::string fileName = "sfx/";
    fileName.append(name);
    fileName += ".wav";
    return hostPath(fileName);
}

}  // namespace kestrway
