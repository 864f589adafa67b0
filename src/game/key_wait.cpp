// The still screens' key wait: stale keys are emptied first and last, so a
// Space typed during play, or held down, never answers the next screen.
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

void waitForSpace(QuitRule rule) {
    // Still screens have no engine and no alarm.
    setEngineSound(EngineSound::Off, 0);
    setAlarm(false);
    waitKeyBufferEmpty();
    bool escapeSeen = false;
    for (;;) {
        const std::string key = readKey();
        sleepUntilKey(10);
        const bool escapeDown = isKeyDown(kScanEscape) != 0;
        if (rule == QuitRule::kTitle) {
            if (escapeDown) {
                escapeSeen = true;
            } else if (escapeSeen) {
                endProgram(0);
            }
            if (key == CloseKey) endProgram(0);
        } else if (escapeDown) {
            endProgram(0);
        }
        if (key == " ") break;
    }
    waitKeyBufferEmpty();
}

}  // namespace kestrway
