// The presenter's picture work for one pass: the screen's changed line runs
// copied into the window, scaled to where the picture lies in it.
#pragma once

#include <windows.h>

#include "platform/win32/picture_geometry.h"

namespace kestrway {

// Copies every run of changed lines of the screen's page and clears their
// flags. Presenter thread, with screenMutex() held: the copy reads the page
// the game draws on.
void presentChangedLines(HDC dc, const PictureRect& picture);

// Fills the parts of the client area the picture leaves free with black.
void paintBars(HDC dc, int32_t clientWidth, int32_t clientHeight, const PictureRect& picture);

}  // namespace kestrway
