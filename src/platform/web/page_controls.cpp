// The page's touch controls and gamepads, polled through its JavaScript.
#include "platform/web/page_controls.h"

#include <emscripten/emscripten.h>

#include <cstdint>

EM_JS(void, jsPollPageControls, (int32_t inPlay), {
    if (Module['onControlsPass']) Module['onControlsPass'](inPlay != 0);
});

namespace kestrway::web {

void pollPageControls(bool inPlay) {
    jsPollPageControls(inPlay ? 1 : 0);
}

}  // namespace kestrway::web
