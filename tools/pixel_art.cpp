// Drawing helpers for pixel art: colour arithmetic, hash noise, filled shapes, outlines, flips.
#include "pixel_art.h"

#include <algorithm>
#include <cmath>

namespace kestrway {
namespace {

uint32_t channel(uint32_t colour, int32_t shift) {
    return (colour >> shift) & 0xFF;
}

bool isMask(uint32_t colour) {
    return (colour & 0xFFFFFF) == (kTransparent & 0xFFFFFF);
}

}  // namespace

uint32_t shade(uint32_t colour, int32_t delta) {
    const auto adjust = [&](int32_t shift) {
        return static_cast<uint32_t>(
            std::clamp(static_cast<int32_t>(channel(colour, shift)) + delta, 0, 255));
    };
    return (colour & 0xFF000000u) | (adjust(16) << 16) | (adjust(8) << 8) | adjust(0);
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto blend = [&](int32_t shift) {
        const double value = channel(a, shift) * (1.0 - t) + channel(b, shift) * t;
        return static_cast<uint32_t>(std::lround(value));
    };
    return 0xFF000000u | (blend(16) << 16) | (blend(8) << 8) | blend(0);
}

uint32_t noiseByte(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x9E3779B1u ^ static_cast<uint32_t>(y) * 0x85EBCA77u ^
                 seed * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h & 0xFF;
}

double smoothStep(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

void fillRect(Pixmap& picture, int32_t x, int32_t y, int32_t width, int32_t height,
              uint32_t colour) {
    for (int32_t row = y; row < y + height; ++row) {
        for (int32_t column = x; column < x + width; ++column) {
            picture.set(column, row, colour);
        }
    }
}

void fillWhere(Pixmap& picture, const std::function<bool(double x, double y)>& inside,
               uint32_t colour) {
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            if (inside(x + 0.5, y + 0.5)) {
                picture.set(x, y, colour);
            }
        }
    }
}

void fillEllipse(Pixmap& picture, double centreX, double centreY, double radiusX, double radiusY,
                 uint32_t colour) {
    fillWhere(
        picture,
        [&](double x, double y) {
            const double dx = (x - centreX) / radiusX;
            const double dy = (y - centreY) / radiusY;
            return dx * dx + dy * dy <= 1.0;
        },
        colour);
}

void fillRoundRect(Pixmap& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                   int32_t radius, uint32_t colour) {
    const double left = x + radius;
    const double right = x + width - radius;
    const double top = y + radius;
    const double bottom = y + height - radius;
    fillWhere(
        picture,
        [&](double px, double py) {
            if (px < x || px > x + width || py < y || py > y + height) {
                return false;
            }
            const double dx = px < left ? left - px : (px > right ? px - right : 0.0);
            const double dy = py < top ? top - py : (py > bottom ? py - bottom : 0.0);
            return dx * dx + dy * dy <= radius * radius;
        },
        colour);
}

void addGrain(Pixmap& picture, int32_t amplitude, uint32_t seed) {
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t colour = picture.get(x, y);
            if (!isMask(colour)) {
                const int32_t delta =
                    static_cast<int32_t>(noiseByte(x, y, seed) %
                                         static_cast<uint32_t>(2 * amplitude + 1)) -
                    amplitude;
                picture.set(x, y, shade(colour, delta));
            }
        }
    }
}

void outlineSprite(Pixmap& picture, uint32_t colour) {
    const Pixmap before = picture;
    const auto drawn = [&](int32_t x, int32_t y) {
        return before.contains(x, y) && !isMask(before.get(x, y));
    };
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            if (!drawn(x, y) &&
                (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1))) {
                picture.set(x, y, colour);
            }
        }
    }
}

void flipVertical(Pixmap& picture) {
    for (int32_t y = 0; y < picture.height / 2; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint32_t top = picture.get(x, y);
            picture.set(x, y, picture.get(x, picture.height - 1 - y));
            picture.set(x, picture.height - 1 - y, top);
        }
    }
}

void stamp(Pixmap& target, const Pixmap& source, int32_t x, int32_t y) {
    for (int32_t row = 0; row < source.height; ++row) {
        for (int32_t column = 0; column < source.width; ++column) {
            const uint32_t colour = source.get(column, row);
            if (!isMask(colour)) {
                target.set(x + column, y + row, colour);
            }
        }
    }
}

bool isMaskColour(uint32_t colour) {
    return isMask(colour);
}

}  // namespace kestrway
