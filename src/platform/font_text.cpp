// drawFontText: text drawn with a proportional font Image, whose first row
// holds the character range and glyph widths and whose other rows hold the
// glyphs side by side.
#include <algorithm>
#include <array>
#include <utility>

#include "platform/blit_clip.h"
#include "platform/blit_rows.h"
#include "platform/image.h"
#include "platform/screen_device.h"

namespace kestrway {

namespace {

constexpr uint32_t kWidthsStart = 3;  // header bytes: version, first code, last code, widths

struct FontGlyphs {
    uint32_t first = 0;
    uint32_t last = 0;  // codes first..last have glyphs
    std::array<int64_t, 256> start{};
    std::array<int64_t, 256> width{};
};

// Reads the glyph table from the header row. Codes whose width byte would
// lie past the row's pitch bytes get no glyph, whatever the last code says.
// False when the glyphs do not fit in a row.
bool readGlyphs(const Image& font, FontGlyphs& glyphs) {
    const uint8_t* header = font.pixelArea();
    const uint32_t pitch = font.header.pitch;
    glyphs.first = header[1];
    glyphs.last = header[2];
    if (glyphs.first > glyphs.last) {
        std::swap(glyphs.first, glyphs.last);
    }
    glyphs.last = std::min(glyphs.last, glyphs.first + (pitch - kWidthsStart) - 1);
    int64_t sum = 0;
    for (uint32_t code = glyphs.first; code <= glyphs.last; ++code) {
        glyphs.start[code] = sum;
        glyphs.width[code] = header[kWidthsStart + code - glyphs.first];
        sum += glyphs.width[code];
    }
    return sum <= pitch / 4;
}

}  // namespace

ErrorCode drawFontText(float x, float y, std::string_view text, const Image* fontImage) {
    ScreenDevice& device = screenDevice();
    if (!device.open || fontImage == nullptr) {
        return ErrorCode::kIllegalCall;
    }
    const ScreenView& view = device.view;
    const int64_t penStart = screenCoordinate(x, view.left);
    const int64_t top = screenCoordinate(y, view.top);
    const int64_t rows = int64_t{fontImage->header.height} - 1;
    if (top + rows <= view.top || top >= int64_t{view.top} + view.height) {
        return ErrorCode::kOk;
    }
    if (fontImage->header.bytesPerPixel != 4 || fontImage->header.pitch < 4 || rows < 1 ||
        fontImage->pixelArea()[0] != 0) {
        return ErrorCode::kIllegalCall;
    }
    FontGlyphs glyphs;
    if (!readGlyphs(*fontImage, glyphs)) {
        return ErrorCode::kIllegalCall;
    }

    // The rows kept are the same for every glyph: clip them once, using a
    // block as wide as the view so only the vertical clip applies.
    ClippedBlock kept;
    if (!clipToView(view.left, top, view.width, rows, view, kept)) {
        return ErrorCode::kOk;
    }
    const int64_t viewLeft = view.left;
    const int64_t viewRight = int64_t{view.left} + view.width;
    bool drewAny = false;
    lockScreen();
    int64_t pen = penStart;
    for (const char character : text) {
        if (pen >= viewRight) {
            break;
        }
        const auto code = static_cast<uint8_t>(character);
        if (code < glyphs.first || code > glyphs.last) {
            pen += kept.height;
            continue;
        }
        const int64_t width = glyphs.width[code];
        ClippedBlock block;
        if (pen + width >= viewLeft && clipToView(pen, top, width, rows, view, block)) {
            uint32_t* destination = device.work + block.screenY * kScreenWidth + block.screenX;
            // Glyph row r is font row r + 1: row 0 is the header.
            const int64_t sourceX = glyphs.start[code] + block.sourceX;
            for (int32_t row = 0; row < block.height; ++row) {
                copyRowKeyed(destination, fontImage->row(block.sourceY + row + 1) + sourceX,
                             block.width);
                destination += kScreenWidth;
            }
            drewAny = true;
        }
        pen += width;
    }
    if (drewAny) {
        markLinesChanged(kept.screenY, kept.screenY + kept.height - 1);
    }
    unlockScreenUnmarked();
    return ErrorCode::kOk;
}

}  // namespace kestrway
