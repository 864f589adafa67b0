// blit and blitTransparent: copying a whole Image onto the screen, clipped to
// the view, opaque or skipping mask-colour pixels.
#include <cstring>

#include "platform/blit_clip.h"
#include "platform/blit_rows.h"
#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

template <typename CopyRow>
ErrorCode drawImage(float x, float y, const Image* image, CopyRow copyRow) {
    ScreenDevice& device = screenDevice();
    if (!device.open || image == nullptr || image->header.bytesPerPixel != 4) {
        return ErrorCode::kIllegalCall;
    }
    ClippedBlock block;
    if (!clipToView(screenCoordinate(x, device.view.left), screenCoordinate(y, device.view.top),
                    image->header.width, image->header.height, device.view, block)) {
        return ErrorCode::kOk;
    }
    lockScreen();
    uint32_t* destination = device.work + block.screenY * kScreenWidth + block.screenX;
    for (int32_t row = 0; row < block.height; ++row) {
        copyRow(destination, image->row(block.sourceY + row) + block.sourceX, block.width);
        destination += kScreenWidth;
    }
    markLinesChanged(block.screenY, block.screenY + block.height - 1);
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

}  // namespace

ErrorCode blit(float x, float y, const Image* image) {
    return drawImage(x, y, image, [](uint32_t* destination, const uint32_t* source, int32_t count) {
        std::memcpy(destination, source, static_cast<size_t>(count) * sizeof(uint32_t));
    });
}

ErrorCode blitTransparent(float x, float y, const Image* image) {
    return drawImage(x, y, image, [](uint32_t* destination, const uint32_t* source, int32_t count) {
        copyRowKeyed(destination, source, count);
    });
}

}  // namespace kestrway
