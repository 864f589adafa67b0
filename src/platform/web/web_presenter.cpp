// One presenter pass: keys and focus in, changed lines out.
#include "platform/web/web_presenter.h"

#include <string_view>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/sound_toggle.h"
#include "platform/web/canvas.h"
#include "platform/web/page_controls.h"
#include "platform/web/web_focus.h"
#include "platform/web/web_keyboard.h"

namespace kestrway::web {
namespace {

// The sound line the page shows (the toggle's own constant text, or none).
std::string_view gShownSoundLine;

}  // namespace

void startPresenting() {
    openCanvas();
    startKeyboard();
    startFocusWatch();
    std::lock_guard lock(screenMutex());
    markLinesChanged(0, kScreenHeight - 1);
}

void presenterPass() {
    ScreenDevice& device = screenDevice();
    // One thread: the game sleeps between its frames, never inside its own
    // lock, but the lock is honoured in case a sleep ever lands there.
    const bool lockHeld = device.lockCount > 0;
    if (!lockHeld) screenMutex().lock();
    if (device.open) {
        if (applyFocusChanges()) setKeyStates(heldKeys());
        // After the focus: a pass that lost it hands the pads nothing.
        feedPageControls(framesInPlay());
        deliverTypedKeys();
        takeChangedLineRuns(
            [&](int32_t first, int32_t last) { putScreenLines(device.work, first, last); });
    }
    if (!lockHeld) screenMutex().unlock();
    if (takeHoldChanged()) showPausedLine(framesHeld());
    const std::string_view line = soundLine(backendSeconds());
    if (line != gShownSoundLine) {
        gShownSoundLine = line;
        showSoundLine(line);
    }
}

}  // namespace kestrway::web
