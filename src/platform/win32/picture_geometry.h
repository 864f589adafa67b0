// Where the 640x480 picture lies in a window of any size: as large as fits
// with square pixels, centred, black bars on the rest.
#pragma once

#include <cstdint>

namespace kestrway {

struct PictureRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

PictureRect pictureRectFor(int32_t clientWidth, int32_t clientHeight);

// The window rows [top, bottom) that show the picture's lines first..last
// when it is scaled into rect; adjacent runs meet without gap or overlap.
struct WindowRows {
    int32_t top = 0;
    int32_t bottom = 0;
};
WindowRows windowRowsFor(const PictureRect& rect, int32_t firstLine, int32_t lastLine);

}  // namespace kestrway
