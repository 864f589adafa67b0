// The proportional title font picture: a 1073x24 strip of white glyphs with a header row of widths.
#include "title_font.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "glyph_renderer.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

constexpr uint32_t kPixelHeight = 16;
// Glyph row of the baseline (row 0 is the picture's row 1): room for accents above,
// descenders below.
constexpr int32_t kBaselineRow = 18;
// Edge pixels fainter than this stay transparent; the rest keep their grey so the
// letters are smooth on the dark screens they are drawn over.
constexpr uint8_t kCoverageThreshold = 72;

void packHeaderRow(Pixmap& picture, const std::vector<uint8_t>& header) {
    for (size_t i = 0; i < header.size(); i += 4) {
        uint32_t pixel = 0;
        for (size_t k = 0; k < 4 && i + k < header.size(); ++k) {
            pixel |= static_cast<uint32_t>(header[i + k]) << (8 * k);
        }
        picture.set(static_cast<int32_t>(i / 4), 0, pixel);
    }
}

}  // namespace

Pixmap renderTitleFont(const std::string& fontPath) {
    const GlyphRenderer renderer(fontPath, kPixelHeight);
    Pixmap picture(kTitleFontWidth, kTitleFontHeight, kTransparent);
    for (int32_t x = 0; x < kTitleFontWidth; ++x) {
        picture.set(x, 0, 0);
    }
    std::vector<uint8_t> header{0, static_cast<uint8_t>(kTitleFontFirst),
                                static_cast<uint8_t>(kTitleFontLast)};
    int32_t pen = 0;
    for (uint32_t code = kTitleFontFirst; code <= kTitleFontLast; ++code) {
        const RenderedGlyph glyph = renderer.render(code, false);
        const int32_t shift = std::max(0, -glyph.left);
        const int32_t originX = glyph.left + shift;
        const int32_t cellWidth = std::max(glyph.advance, originX + glyph.width);
        if (cellWidth > 255 || pen + cellWidth > kTitleFontWidth) {
            throw std::runtime_error("title font does not fit its picture");
        }
        for (int32_t y = 0; y < glyph.height; ++y) {
            for (int32_t x = 0; x < glyph.width; ++x) {
                const uint8_t coverage = glyph.at(x, y);
                const int32_t row = 1 + kBaselineRow - glyph.top + y;
                if (coverage >= kCoverageThreshold && row >= 1 && row < kTitleFontHeight) {
                    picture.set(pen + originX + x, row, rgb(coverage, coverage, coverage));
                }
            }
        }
        header.push_back(static_cast<uint8_t>(cellWidth));
        pen += cellWidth;
    }
    packHeaderRow(picture, header);
    return picture;
}

}  // namespace kestrway
