// The one 640x480 32-bit software screen the game draws on, its lock, its
// colours and the built-in 8x16 text font. Called from the game thread only.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/error_code.h"

namespace kestrway {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr int32_t kScreenPitch = kScreenWidth * 4;
constexpr int32_t kScreenPages = 2;
constexpr int32_t kMaxTitleLength = 127;

struct ScreenInfo {
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;
    int32_t bytesPerPixel = 0;
    int32_t pitch = 0;
    int32_t refreshRate = 0;
    const char* driverName = "";
};

// Opens the window and both pages (filled with the background colour),
// resets the colours and the view, and starts the presenter.
ErrorCode openScreen();
// Keeps the first 127 characters; shown at once if the window exists.
ErrorCode setWindowTitle(std::string_view text);
ErrorCode getScreenInfo(ScreenInfo& info);
// Nested: the platform lock shared with the presenter is taken on 0 -> 1.
ErrorCode lockScreen();
// Marks lines firstLine..lastLine changed (negative first = 0, negative last
// = 479), then drops one lock level, releasing the platform lock on 1 -> 0.
ErrorCode unlockScreen(int32_t firstLine, int32_t lastLine);
// Pixel (0, 0) of the work page; rows are kScreenPitch bytes apart. Null when
// no screen is open.
uint32_t* screenPixels();
ErrorCode clearScreen();
// keep bit 0 leaves the foreground as it is, bit 1 the background. Returns
// the previous foreground colour.
uint32_t setColors(uint32_t foreground, uint32_t background, uint32_t keep);
// Built-in 8x16 text in the foreground colour; only the glyphs' set bits are
// written, so the picture between the strokes stays.
ErrorCode drawText(float x, float y, std::string_view text);

// The game passes whole-number coordinates as floats; this is how any value
// becomes a pixel (above 0 truncated, otherwise 0.5 lower then truncated).
int32_t pixelCoordinate(float value);

}  // namespace kestrway
