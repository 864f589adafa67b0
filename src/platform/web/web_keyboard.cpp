// Key events from the browser, queued for the presenter pass.
#include "platform/web/web_keyboard.h"

#include <emscripten/html5.h>

#include <array>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/frame_hold.h"
#include "platform/screen_device.h"
#include "platform/sound_toggle.h"
#include "platform/web/web_focus.h"

namespace kestrway::web {
namespace {

// More than the game's ring holds: typing faster than it reads loses the
// oldest there, as with every backend.
constexpr int32_t kPendingSlots = 64;

struct Keyboard {
    std::array<uint32_t, kPendingSlots> pending{};
    int32_t pendingCount = 0;
    // Presses of P or Pause since the last pass.
    int32_t pendingPauses = 0;
    // Presses of M (sound off and on) since the last pass.
    int32_t pendingSoundKeys = 0;
    // One flag per physical key slot (see key_codes.h).
    std::vector<uint8_t> heldSlots = std::vector<uint8_t>(static_cast<size_t>(physicalKeyCount()));
};

Keyboard gKeyboard;

KeyPress pressOf(const EmscriptenKeyboardEvent& event) {
    return KeyPress{event.code, event.key, event.ctrlKey != 0, event.altKey != 0,
                    event.metaKey != 0};
}

void setHeld(const char* code, uint8_t held) {
    const int32_t slot = physicalKeySlot(code);
    if (slot >= 0) gKeyboard.heldSlots[static_cast<size_t>(slot)] = held;
}

// Returns true to stop the browser's own action (scrolling on arrows and
// Space, moving the focus on Tab).
EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
    noteKeyEvent();
    const KeyPress press = pressOf(*event);
    setHeld(event->code, 1);
    const std::string_view position = event->code;
    if (event->repeat == 0 && (position == "KeyP" || position == "Pause")) {
        ++gKeyboard.pendingPauses;
    }
    if (event->repeat == 0 && position == "KeyM") ++gKeyboard.pendingSoundKeys;
    const uint32_t code = typedKeyCode(press);
    if (code != 0 && gKeyboard.pendingCount < kPendingSlots) {
        gKeyboard.pending[static_cast<size_t>(gKeyboard.pendingCount++)] = code;
    }
    return browserKeepsKey(press) ? EM_FALSE : EM_TRUE;
}

EM_BOOL onKeyUp(int, const EmscriptenKeyboardEvent* event, void*) {
    setHeld(event->code, 0);
    return browserKeepsKey(pressOf(*event)) ? EM_FALSE : EM_TRUE;
}

}  // namespace

void startKeyboard() {
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKeyDown);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKeyUp);
}

void deliverTypedKeys() {
    for (int32_t i = 0; i < gKeyboard.pendingCount; ++i) {
        addKeyCode(gKeyboard.pending[static_cast<size_t>(i)]);
    }
    gKeyboard.pendingCount = 0;
    for (int32_t i = 0; i < gKeyboard.pendingPauses; ++i) pauseKeyPressed();
    gKeyboard.pendingPauses = 0;
    for (int32_t i = 0; i < gKeyboard.pendingSoundKeys; ++i) soundKeyPressed(backendSeconds());
    gKeyboard.pendingSoundKeys = 0;
}

KeyStates heldKeys() {
    return heldKeysFrom(gKeyboard.heldSlots.data());
}

void releaseAllKeys() {
    for (uint8_t& held : gKeyboard.heldSlots) held = 0;
}

}  // namespace kestrway::web
