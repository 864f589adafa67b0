// The game's one window: created, titled, switched to and from borderless
// fullscreen and destroyed on the presenter's thread, which owns it.
#pragma once

#include <windows.h>

#include <string_view>

namespace kestrway {

struct GameWindow {
    HWND handle = nullptr;
    // The class has its own device context (CS_OWNDC): fetched once, its
    // stretch mode set once.
    HDC dc = nullptr;
    HICON icon = nullptr;
    bool fullscreen = false;
    WINDOWPLACEMENT windowed{};
};

// A resizable window with a client area of 640x480 times the monitor's
// whole scale factor, shown and activated. procedure gets owner as the
// window's user data. False (with the reason on stderr, nothing left
// open) when Windows refuses.
bool createGameWindow(std::string_view title, WNDPROC procedure, void* owner, GameWindow& out);
void destroyGameWindow(GameWindow& window);
// The game's titles are byte strings with one character per byte, read as
// Latin-1 (whose codes are the first 256 of UTF-16).
void setGameWindowTitle(const GameWindow& window, std::string_view title);
// Between the window and borderless fullscreen on the monitor it is on.
void toggleFullscreen(GameWindow& window);

}  // namespace kestrway
