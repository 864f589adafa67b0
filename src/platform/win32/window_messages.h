// What the window's messages mean to the game: typed key codes, the close
// button, focus changes and the window-only actions (fullscreen, redraw,
// a new title). Translated on the presenter's thread without the screen
// lock; the presenter's pass then applies them under it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace kestrway {

// Posted by the game thread when the title changed: the presenter reads it
// under the screen lock.
constexpr UINT kTitleChangedMessage = WM_APP + 1;

struct WindowInput {
    // In arrival order, ready for the key ring; the close button included.
    // The ring keeps only 15, so a pass that gathers more loses nothing the
    // game could have read.
    std::array<uint32_t, 32> typedCodes{};
    int32_t typedCount = 0;
    // Focus gained or lost, or the window minimised or restored.
    bool focusChanged = false;
    // P or Pause went down (not a repeat): toggles the hold on play.
    bool pausePressed = false;
    // M went down this many times (repeats not counted): each flips the sound.
    int32_t soundKeyPresses = 0;
    bool toggleFullscreen = false;
    // The window needs the whole picture again although no line changed.
    bool redraw = false;
    bool titleChanged = false;

    void addTyped(uint32_t code);
    void clear();
};

struct WindowFocus {
    bool active = false;
    bool minimised = false;
    // The player is at the window: play runs only then.
    bool attended() const { return active && !minimised; }
};

// Translates one message. True when the message is the game's alone and
// the window procedure returns 0 without the default handling; false when
// Windows' default handling must still run (it also may have been noted).
bool translateMessage(UINT message, WPARAM wParam, LPARAM lParam, WindowInput& input,
                      WindowFocus& focus);

}  // namespace kestrway
