// The whole set of sounds, in the order the documentation lists them.
#include <utility>

#include "sounds.h"

namespace kestrway {

std::vector<NamedSound> allSounds() {
    std::vector<NamedSound> sounds{engineSound(), boatSound()};
    for (std::vector<NamedSound> group : {effectSounds(), jingleSounds()}) {
        for (NamedSound& sound : group) sounds.push_back(std::move(sound));
    }
    return sounds;
}

}  // namespace kestrway
