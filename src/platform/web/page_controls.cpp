// The page's touch panel and gamepads, read through its JavaScript into a
// fixed table and handed to the pad translation.
#include "platform/web/page_controls.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>

#include "platform/pad_input.h"
#include "platform/pad_rumble.h"

namespace kestrway::web {
namespace {

// One source as the page writes it: present, the buttons held now, the
// buttons pressed at any moment since the last pass (a tap that began and
// ended between two passes shows only here), the stick and the trigger.
struct PageSource {
    int32_t present = 0;
    uint32_t buttons = 0;
    uint32_t pressedSince = 0;
    float stickX = 0.0f;
    float stickY = 0.0f;
    float fireTrigger = 0.0f;
};
static_assert(sizeof(PageSource) == 6 * 4, "the page writes six words per source");

struct PageControls {
    std::array<PageSource, kPadSources> sources{};
    std::array<bool, kPadSources> wasPresent{};
    uint32_t rumbleSerial = 0;
};

PageControls gControls;

}  // namespace
}  // namespace kestrway::web

// The page fills one record of six words per source (see PageSource);
// Module.onControlsPass returns them indexed by source.
EM_JS(void, jsReadPageControls, (int32_t inPlay, int32_t* words, int32_t count), {
    const sources = Module['onControlsPass'] ? Module['onControlsPass'](inPlay != 0) : [];
    for (let i = 0; i < count; ++i) {
        const at = (words >> 2) + i * 6;
        const source = sources[i];
        HEAP32[at] = source ? 1 : 0;
        if (!source) continue;
        HEAPU32[at + 1] = source.buttons;
        HEAPU32[at + 2] = source.pressedSince;
        HEAPF32[at + 3] = source.stickX;
        HEAPF32[at + 4] = source.stickY;
        HEAPF32[at + 5] = source.fireTrigger;
    }
});

EM_JS(void, jsRumble, (float strength, int32_t durationMs), {
    if (Module['onRumble']) Module['onRumble'](strength, durationMs);
});

namespace kestrway::web {

void feedPageControls(bool inPlay) {
    PageControls& controls = gControls;
    jsReadPageControls(inPlay ? 1 : 0, reinterpret_cast<int32_t*>(controls.sources.data()),
                       kPadSources);
    for (int32_t i = 0; i < kPadSources; ++i) {
        const PageSource& source = controls.sources[static_cast<size_t>(i)];
        bool& wasPresent = controls.wasPresent[static_cast<size_t>(i)];
        if (source.present == 0) {
            if (wasPresent) padSourceGone(i);
            wasPresent = false;
            continue;
        }
        wasPresent = true;
        PadState state{source.buttons, source.stickX, source.stickY, source.fireTrigger};
        if ((source.pressedSince & ~source.buttons) != 0) {
            // Pressed and let go since the last pass: the press first.
            PadState pressed = state;
            pressed.buttons |= source.pressedSince;
            setPadState(i, pressed);
        }
        setPadState(i, state);
    }
    const Rumble rumble = latestRumble();
    if (rumble.serial != controls.rumbleSerial) {
        controls.rumbleSerial = rumble.serial;
        jsRumble(rumble.strength, rumble.durationMs);
    }
}

}  // namespace kestrway::web
