// The rumble's registration as the sound listener, apart from the requests so
// that a program without sound events links without it.
#include "platform/pad_rumble.h"

namespace kestrway {

void listenForRumble() {
    setSoundListener(&rumbleForEffect);
}

}  // namespace kestrway
