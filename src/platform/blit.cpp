// blit and blitTransparent: copying a whole Image onto the screen, clipped to
// the view, opaque or skipping mask-colour pixels.
#include <cstring>

#include "platform/blit_clip.h"
#include "platform/blit_rows.h"
#include "platform/image.h"
#include "platform/screen_device.h"
#include "platform/windowless.h"

namespace kestrway {

namespace {

struct OpaqueRow {
    static void copy(uint32_t* destination, const uint32_t* source, int32_t count) {
        std::memcpy(destination, source, static_cast<size_t>(count) * sizeof(uint32_t));
    }
};

struct KeyedRow {
    static void copy(uint32_t* destination, const uint32_t* source, int32_t count) {
        copyRowKeyed(destination, source, count);
    }
};

// kWidth is the clipped width when known at compile time (0: not known).
template <typename Row, int32_t kWidth>
void copyRows(uint32_t* screen, const ClippedBlock& block, const Image& image) {
    const int32_t width = kWidth != 0 ? kWidth : block.width;
    uint32_t* destination = screen + block.screenY * kScreenWidth + block.screenX;
    for (int32_t row = 0; row < block.height; ++row) {
        Row::copy(destination, image.row(block.sourceY + row) + block.sourceX, width);
        destination += kScreenWidth;
    }
}

template <typename Row>
ErrorCode drawImage(float x, float y, const Image* image) {
    ScreenDevice& device = screenDevice();
    if (!device.open || image == nullptr || image->header.bytesPerPixel != 4) {
        return ErrorCode::kIllegalCall;
    }
    ClippedBlock block;
    if (!clipToView(screenCoordinate(x, device.view.left), screenCoordinate(y, device.view.top),
                    image->header.width, image->header.height, device.view, block)) {
        return ErrorCode::kOk;
    }
    if (pixelsDiscarded()) return ErrorCode::kOk;
    lockScreen();
    // Tiles and sprites are 32 or 16 pixels wide; with the width known at
    // compile time each row becomes a few straight vector moves.
    switch (block.width) {
        case 32:
            copyRows<Row, 32>(device.work, block, *image);
            break;
        case 16:
            copyRows<Row, 16>(device.work, block, *image);
            break;
        default:
            copyRows<Row, 0>(device.work, block, *image);
    }
    markLinesChanged(block.screenY, block.screenY + block.height - 1);
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

}  // namespace

ErrorCode blit(float x, float y, const Image* image) {
    return drawImage<OpaqueRow>(x, y, image);
}

ErrorCode blitTransparent(float x, float y, const Image* image) {
    return drawImage<KeyedRow>(x, y, image);
}

}  // namespace kestrway
