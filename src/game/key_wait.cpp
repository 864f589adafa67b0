// The interstitial screens' key wait: stale keys are emptied first and last,
// so a Space typed during play, or held down, never answers the next screen.
#include "game/key_wait.h"

#include "game/screens.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/sound.h"
#include "platform/timing.h"

namespace kestrway {

void waitKeyBufferEmpty() {
    while (!readKey().empty()) {
    }
}

void silenceLoopingSounds() {
    setEngineSound(EngineSound::Off, 0);
    setAlarm(false);
}

void waitForSpace() {
    silenceLoopingSounds();
    waitKeyBufferEmpty();
    for (;;) {
        const std::string key = readKey();
        sleepUntilKey(10);
        if (isKeyDown(kScanEscape) != 0) endProgram(0);
        if (key == " ") break;
    }
    waitKeyBufferEmpty();
}

}  // namespace kestrway
