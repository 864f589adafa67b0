// Where the 640x480 picture lies in an available rectangle of device pixels,
// and which device rows and columns each picture row and column covers. The
// one rule every window layer (and the web page) places the picture by.
#pragma once

#include <cstdint>

namespace kestrway {

// The rounding, decided once:
// - The picture is the largest of its 4:3 shape that fits: the full width
//   when width * 3 <= height * 4, the other side rounded down; so it never
//   spills over and a bar is never negative.
// - Centred: the bar before it (left, top) is half the spare pixels rounded
//   down, so an odd spare pixel goes to the bar after it.
// - Nearest pixel: a device pixel shows the picture pixel its top-left
//   corner falls in, device row y (from the picture's top) picture row
//   y * 480 / height rounded down. Picture row r therefore covers device rows
//   ceil(r * height / 480) up to, not including, ceil((r + 1) * height / 480);
//   runs of rows meet without gap or overlap, and when the picture is shown
//   smaller than 640x480 some picture rows cover none.
struct PictureFit {
    int32_t availableWidth = 0;
    int32_t availableHeight = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    // k when the picture is exactly 640k x 480k (each picture pixel a k x k
    // square), 0 for any other size.
    int32_t wholeScale = 0;
    bool operator==(const PictureFit&) const = default;
};

// An empty or negative rectangle (a minimised window) fits an empty picture.
PictureFit fitPicture(int32_t availableWidth, int32_t availableHeight);

// The first device row, counted from the picture's top, that shows picture
// row `row` or a later one (0 <= row <= 480; 480 gives the picture's height).
int32_t deviceRowOf(const PictureFit& fit, int32_t row);
// The same for columns (0 <= column <= 640).
int32_t deviceColumnOf(const PictureFit& fit, int32_t column);
// The picture row that device row y (0 <= y < fit.height, from the
// picture's top) shows, and the picture column of device column x.
int32_t pictureRowAt(const PictureFit& fit, int32_t y);
int32_t pictureColumnAt(const PictureFit& fit, int32_t x);

}  // namespace kestrway
