// The picture's fit in a rectangle of device pixels.
#include "platform/picture_fit.h"

#include "platform/screen.h"

namespace kestrway {
namespace {

// ceil(a * b / c) for non-negative a, b and positive c, without overflow for
// any int32_t sizes.
int32_t scaledUp(int32_t a, int32_t b, int32_t c) {
    return static_cast<int32_t>((int64_t{a} * b + c - 1) / c);
}

int32_t scaledDown(int32_t a, int32_t b, int32_t c) {
    return static_cast<int32_t>(int64_t{a} * b / c);
}

}  // namespace

PictureFit fitPicture(int32_t availableWidth, int32_t availableHeight) {
    PictureFit fit;
    fit.availableWidth = availableWidth;
    fit.availableHeight = availableHeight;
    if (availableWidth <= 0 || availableHeight <= 0) return fit;
    // Compared as products so that no rounding picks the wrong side.
    if (int64_t{availableWidth} * kScreenHeight <= int64_t{availableHeight} * kScreenWidth) {
        fit.width = availableWidth;
        fit.height = scaledDown(availableWidth, kScreenHeight, kScreenWidth);
    } else {
        fit.height = availableHeight;
        fit.width = scaledDown(availableHeight, kScreenWidth, kScreenHeight);
    }
    fit.left = (availableWidth - fit.width) / 2;
    fit.top = (availableHeight - fit.height) / 2;
    const int32_t scale = fit.width / kScreenWidth;
    if (scale > 0 && fit.width == scale * kScreenWidth && fit.height == scale * kScreenHeight) {
        fit.wholeScale = scale;
    }
    return fit;
}

int32_t deviceRowOf(const PictureFit& fit, int32_t row) {
    return scaledUp(row, fit.height, kScreenHeight);
}

int32_t deviceColumnOf(const PictureFit& fit, int32_t column) {
    return scaledUp(column, fit.width, kScreenWidth);
}

int32_t pictureRowAt(const PictureFit& fit, int32_t y) {
    return scaledDown(y, kScreenHeight, fit.height);
}

int32_t pictureColumnAt(const PictureFit& fit, int32_t x) {
    return scaledDown(x, kScreenWidth, fit.width);
}

}  // namespace kestrway
