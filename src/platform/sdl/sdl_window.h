// The game's one window: a resizable window whose renderer scales the
// 640x480 picture to it with square pixels and black bars. Main thread only.
#pragma once

#include <SDL.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/sdl/scaled_picture.h"

namespace kestrway {

// Shown one of two ways: through a renderer (the graphics card's, or SDL's
// software renderer where the window's pixels are in a form our scaler does
// not write), or scaled by our own code into the window's surface.
struct SdlWindow {
    SDL_Window* window = nullptr;
    // Null when our own scaler shows the picture.
    SDL_Renderer* renderer = nullptr;
    // Streaming, SDL_PIXELFORMAT_RGB888: the screen's 0xAARRGGBB pixels
    // upload as they are, the alpha byte ignored.
    SDL_Texture* texture = nullptr;
    // The word of the "Paused" line; may be null.
    SDL_Texture* pausedText = nullptr;
    // The words of the sound line after M; may be null.
    SDL_Texture* soundOffText = nullptr;
    SDL_Texture* soundOnText = nullptr;
    // Set when there is no renderer.
    std::unique_ptr<ScaledPicture> scaled;
    // The window areas our scaler drew and has yet to send.
    std::span<const SDL_Rect> drawnAreas;
};

// False (with the reason on stderr, and nothing left open) when SDL cannot
// make the window or any way to show the picture in it. The graphics card's
// renderer is tried first (not a GL that draws on the processor), then our
// scaler, then SDL's software renderer. SDL_RENDER_DRIVER=software skips the
// card; another driver named there is used whatever it draws on.
bool createSdlWindow(std::string_view title, SdlWindow& out);
// The game's titles are byte strings with one character per byte; SDL takes
// UTF-8, so bytes from 0x80 up are read as Latin-1.
void setSdlWindowTitle(const SdlWindow& window, std::string_view title);
std::string latin1ToUtf8(std::string_view text);
void destroySdlWindow(SdlWindow& window);
// Between a window and the desktop-sized fullscreen, keeping the picture.
void toggleFullscreen(const SdlWindow& window);

}  // namespace kestrway
