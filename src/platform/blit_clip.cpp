// Clipping of screen blocks to the view.
#include "platform/blit_clip.h"

#include <algorithm>

namespace kestrway {

bool clipToView(int64_t x, int64_t y, int64_t width, int64_t height, const ScreenView& view,
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

}  // namespace kestrway
