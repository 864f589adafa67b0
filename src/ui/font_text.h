// The still screens' proportional font: loading it, measuring text, and
// drawing a line centred on the screen.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/image.h"

namespace kestrway {

constexpr int32_t kFontImageWidth = 1073;
constexpr int32_t kFontImageHeight = 24;

void loadFont(ImagePtr& fontImage);
int32_t fontTextWidth(const Image* fontImage, std::string_view text);
void drawCentredText(const Image* fontImage, int32_t y, std::string_view text);

}  // namespace kestrway
