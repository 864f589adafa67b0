// Focus changes from the browser, applied by the presenter pass.
#include "platform/web/web_focus.h"

#include <emscripten/html5.h>

#include "platform/screen_device.h"
#include "platform/web/web_keyboard.h"

namespace kestrway::web {
namespace {

struct Focus {
    bool focused = true;
    bool changed = false;
};

Focus gFocus;

void setFocused(bool focused) {
    if (focused == gFocus.focused) return;
    gFocus.focused = focused;
    gFocus.changed = true;
    if (!focused) releaseAllKeys();
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    setFocused(false);
    return EM_FALSE;
}

EM_BOOL onFocus(int, const EmscriptenFocusEvent*, void*) {
    setFocused(true);
    return EM_FALSE;
}

EM_BOOL onVisibilityChange(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    // Showing the tab again gives no keys back by itself; the window's
    // focus event or the next key press does.
    if (event->hidden != 0) setFocused(false);
    return EM_FALSE;
}

}  // namespace

void startFocusWatch() {
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onBlur);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onFocus);
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, onVisibilityChange);
}

void noteKeyEvent() {
    setFocused(true);
}

bool applyFocusChanges() {
    if (gFocus.changed) {
        gFocus.changed = false;
        focusChanged(gFocus.focused);
    }
    return gFocus.focused;
}

}  // namespace kestrway::web
