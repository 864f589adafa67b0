// drawText: the built-in 8x16 font in the foreground colour, clipped once
// per character to the view.
#include <algorithm>

#include "platform/builtin_font.h"
#include "platform/screen.h"
#include "platform/screen_device.h"
#include "platform/windowless.h"

namespace kestrway {

ErrorCode drawText(float x, float y, std::string_view text) {
    ScreenDevice& device = screenDevice();
    if (!device.open) return ErrorCode::kIllegalCall;
    const ScreenView& view = device.view;
    const int64_t left = int64_t{pixelCoordinate(x)} + view.left;
    const int64_t top = int64_t{pixelCoordinate(y)} + view.top;
    const int64_t viewRight = int64_t{view.left} + view.width;
    const int64_t viewBottom = int64_t{view.top} + view.height;
    const int64_t count = static_cast<int64_t>(text.size());
    if (left + kGlyphWidth * count <= view.left || left >= viewRight ||
        top + kGlyphHeight <= view.top || top >= viewBottom) {
        return ErrorCode::kOk;
    }
    const int32_t firstRow = static_cast<int32_t>(std::max<int64_t>(0, view.top - top));
    const int32_t endRow = static_cast<int32_t>(std::min<int64_t>(kGlyphHeight, viewBottom - top));
    const uint32_t colour = device.foreground;
    if (pixelsDiscarded()) return ErrorCode::kOk;

    lockScreen();
    for (int64_t i = 0; i < count; ++i) {
        const int64_t cellLeft = left + kGlyphWidth * i;
        if (cellLeft >= viewRight) break;
        if (cellLeft + kGlyphWidth <= view.left) continue;
        const int32_t firstColumn =
            static_cast<int32_t>(std::max<int64_t>(0, view.left - cellLeft));
        const int32_t endColumn =
            static_cast<int32_t>(std::min<int64_t>(kGlyphWidth, viewRight - cellLeft));
        const uint8_t* glyph = builtinGlyph(static_cast<uint8_t>(text[static_cast<size_t>(i)]));
        for (int32_t row = firstRow; row < endRow; ++row) {
            const uint32_t bits = glyph[row];
            if (bits == 0) continue;
            uint32_t* out = device.work + (top + row) * kScreenWidth + cellLeft;
            for (int32_t column = firstColumn; column < endColumn; ++column) {
                if ((bits >> column) & 1u) out[column] = colour;
            }
        }
    }
    markLinesChanged(static_cast<int32_t>(top + firstRow), static_cast<int32_t>(top + endRow - 1));
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

}  // namespace kestrway
