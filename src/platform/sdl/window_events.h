// What one batch of SDL events means to the game: typed key codes, focus
// changes, the close button, the pause key, and the window-only actions
// (fullscreen, redraw). Translated on the main thread without the screen lock.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace kestrway {

struct WindowInput {
    // In arrival order, ready for the key ring; the close button included.
    std::vector<uint32_t> typedCodes;
    bool focusChanged = false;
    // Presses of P or Pause, each toggling the pause during play.
    int32_t pausePresses = 0;
    // Presses of M, each turning sound off or on.
    int32_t soundKeyPresses = 0;
    bool toggleFullscreen = false;
    // The window needs the picture again although no line changed (shown,
    // exposed or resized).
    bool redraw = false;

    void clear();
};

void translateEvent(const SDL_Event& event, WindowInput& input);

// Typed text arrives as UTF-8; the game's character codes are single bytes,
// so characters up to U+00FF become their Latin-1 code and the rest are
// dropped.
void appendTypedText(const char* utf8, std::vector<uint32_t>& codes);

}  // namespace kestrway
