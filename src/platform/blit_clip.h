// Clipping a block of pixels placed on the screen to the view, done once per
// copy so the row loops need no bounds tests.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/screen_device.h"

namespace kestrway {

struct ClippedBlock {
    int32_t screenX = 0;
    int32_t screenY = 0;
    int32_t sourceX = 0;  // columns and rows of the block left out at its left and top
    int32_t sourceY = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The part of a width x height block with its top-left at (x, y) that lies
// in the view (and on the screen); false when nothing does. Inline: it runs
// once per sprite, and small sprites are drawn by the hundred each frame.
inline bool clipToView(int64_t x, int64_t y, int64_t width, int64_t height, const ScreenView& view,
                       ClippedBlock& block) {
    // The view always lies on the screen; intersecting anyway keeps every
    // write inside the page whatever the view holds.
    const int64_t left = std::max<int64_t>(view.left, 0);
    const int64_t top = std::max<int64_t>(view.top, 0);
    const int64_t right = std::min<int64_t>(int64_t{view.left} + view.width, kScreenWidth);
    const int64_t bottom = std::min<int64_t>(int64_t{view.top} + view.height, kScreenHeight);
    const int64_t clippedLeft = std::max(x, left);
    const int64_t clippedTop = std::max(y, top);
    const int64_t clippedRight = std::min(x + width, right);
    const int64_t clippedBottom = std::min(y + height, bottom);
    if (clippedLeft >= clippedRight || clippedTop >= clippedBottom) {
        return false;
    }
    block.screenX = static_cast<int32_t>(clippedLeft);
    block.screenY = static_cast<int32_t>(clippedTop);
    block.sourceX = static_cast<int32_t>(clippedLeft - x);
    block.sourceY = static_cast<int32_t>(clippedTop - y);
    block.width = static_cast<int32_t>(clippedRight - clippedLeft);
    block.height = static_cast<int32_t>(clippedBottom - clippedTop);
    return true;
}

// A drawing coordinate as a screen pixel: the conversion rule plus the view's offset.
inline int64_t screenCoordinate(float value, int32_t viewOffset) {
    return int64_t{pixelCoordinate(value)} + viewOffset;
}

}  // namespace kestrway
