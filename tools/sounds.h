// Every sound the game plays, synthesized: the loops, the effects and the
// jingles, each ready to write as data/sfx/<name>.wav.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrway {

struct NamedSound {
    std::string name;              // the file's name without .wav
    std::vector<int16_t> samples;  // mono, 16-bit, at kSoundRate
    bool loop = false;             // played round and round
};

NamedSound engineSound();
NamedSound boatSound();
std::vector<NamedSound> effectSounds();
std::vector<NamedSound> jingleSounds();

// All of the above, in the order docs/sounds.md lists them.
std::vector<NamedSound> allSounds();

}  // namespace kestrway
