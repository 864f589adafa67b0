// Drawing helpers for pixel art: colour arithmetic, hash noise, filled shapes, outlines, flips.
#pragma once

#include <cstdint>
#include <functional>

#include "pixmap.h"

namespace kestrway {

constexpr uint32_t kTransparent = 0xFFFF00FF;  // the mask colour, opaque alpha

constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

// Adds delta to red, green and blue, clamped to 0..255.
uint32_t shade(uint32_t colour, int32_t delta);
// Linear blend from a (t = 0) to b (t = 1).
uint32_t mix(uint32_t a, uint32_t b, double t);
// A repeatable pseudo-random byte for a pixel position and a seed.
uint32_t noiseByte(int32_t x, int32_t y, uint32_t seed);
// The smoothstep curve 3t^2 - 2t^3, clamped to 0..1.
double smoothStep(double t);

void fillRect(Pixmap& picture, int32_t x, int32_t y, int32_t width, int32_t height,
              uint32_t colour);
// Pixels whose centres lie inside the ellipse.
void fillEllipse(Pixmap& picture, double centreX, double centreY, double radiusX, double radiusY,
                 uint32_t colour);
void fillRoundRect(Pixmap& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                   int32_t radius, uint32_t colour);
// Sets every pixel for which the rule gives true (pixel centres are passed).
void fillWhere(Pixmap& picture, const std::function<bool(double x, double y)>& inside,
               uint32_t colour);
// Varies every pixel by up to +-amplitude with noise, leaving mask pixels alone.
void addGrain(Pixmap& picture, int32_t amplitude, uint32_t seed);
// Mask pixels that touch a drawn pixel (4-neighbourhood) become the outline colour.
void outlineSprite(Pixmap& picture, uint32_t colour);
void flipVertical(Pixmap& picture);
// Copies the drawn (non-mask) pixels of source onto target at (x, y).
void stamp(Pixmap& target, const Pixmap& source, int32_t x, int32_t y);
// True when the pixel's red, green and blue are the mask colour's.
bool isMaskColour(uint32_t colour);

}  // namespace kestrway
