// The picture's place in the window.
#include "platform/win32/picture_geometry.h"

#include "platform/screen.h"

namespace kestrway {

PictureRect pictureRectFor(int32_t clientWidth, int32_t clientHeight) {
    if (clientWidth <= 0 || clientHeight <= 0) return PictureRect{};
    PictureRect rect;
    // Compared as products so that no rounding picks the wrong side.
    if (int64_t{clientWidth} * kScreenHeight <= int64_t{clientHeight} * kScreenWidth) {
        rect.width = clientWidth;
        rect.height = static_cast<int32_t>(int64_t{clientWidth} * kScreenHeight / kScreenWidth);
    } else {
        rect.height = clientHeight;
        rect.width = static_cast<int32_t>(int64_t{clientHeight} * kScreenWidth / kScreenHeight);
    }
    rect.x = (clientWidth - rect.width) / 2;
    rect.y = (clientHeight - rect.height) / 2;
    return rect;
}

WindowRows windowRowsFor(const PictureRect& rect, int32_t firstLine, int32_t lastLine) {
    const auto rowOf = [&](int32_t line) {
        return rect.y + static_cast<int32_t>(int64_t{line} * rect.height / kScreenHeight);
    };
    return WindowRows{rowOf(firstLine), rowOf(lastLine + 1)};
}

}  // namespace kestrway
