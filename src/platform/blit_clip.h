// Clipping a block of pixels placed on the screen to the view, done once per
// copy so the row loops need no bounds tests.
#pragma once

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
// in the view (and on the screen); false when nothing does.
bool clipToView(int64_t x, int64_t y, int64_t width, int64_t height, const ScreenView& view,
                ClippedBlock& block);

// A drawing coordinate as a screen pixel: the conversion rule plus the view's offset.
inline int64_t screenCoordinate(float value, int32_t viewOffset) {
    return int64_t{pixelCoordinate(value)} + viewOffset;
}

}  // namespace kestrway
