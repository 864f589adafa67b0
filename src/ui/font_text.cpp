// The proportional font of the still screens: its header row holds the
// format, the character range and one width byte per character.
#include "ui/font_text.h"

#include <cmath>

#include "platform/screen.h"

namespace kestrway {

namespace {

constexpr int32_t kFirstMeasuredCode = 32;
constexpr int32_t kWidthBytesStart = 3;

}  // namespace

void loadFont(ImagePtr& fontImage) {
    fontImage = createImage(kFontImageWidth, kFontImageHeight);
    loadBitmap("fonts\\arial_16_white.bmp", fontImage.get());
}

int32_t fontTextWidth(const Image* fontImage, std::string_view text) {
    ImageInfo info;
    if (imageInfo(fontImage, info) != ErrorCode::kOk) return 0;
    const uint8_t* header = info.pixels;
    int32_t width = 0;
    for (char c : text) {
        // A character whose width byte would lie outside the header row (a
        // control code, or beyond the row's bytes) measures 0.
        const int32_t index = kWidthBytesStart + static_cast<unsigned char>(c) - kFirstMeasuredCode;
        if (index >= kWidthBytesStart && index < info.pitch) width += header[index];
    }
    return width;
}

void drawCentredText(const Image* fontImage, int32_t y, std::string_view text) {
    const int32_t width = fontTextWidth(fontImage, text);
    // Halves go to the even neighbour: the default rounding mode.
    const auto x =
        static_cast<float>(std::nearbyint((kScreenWidth - static_cast<double>(width)) / 2.0));
    drawFontText(x, static_cast<float>(y), text, fontImage);
}

}  // namespace kestrway
