// The KESTRWAY logo: slanted bold lettering with a fiery gradient, dark outline, drop shadow and
// speed streaks.
#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "glyph_renderer.h"
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

constexpr int32_t kLogoWidth = 600;
constexpr int32_t kLogoHeight = 48;
constexpr uint32_t kLetterHeight = 42;
constexpr int32_t kLetterSpacing = 5;
constexpr int32_t kOutlineRadius = 2;
constexpr int32_t kShadowOffset = 3;
constexpr std::string_view kWord = "KESTRWAY";

struct CoverageMap {
    int32_t width;
    int32_t height;
    std::vector<uint8_t> values;
    uint8_t at(int32_t x, int32_t y) const {
        return (x < 0 || y < 0 || x >= width || y >= height)
                   ? 0
                   : values[static_cast<size_t>(y * width + x)];
    }
};

// Lays the word out centred, with its capitals centred vertically.
CoverageMap letterCoverage(const GlyphRenderer& renderer, int32_t& capTop, int32_t& capBottom) {
    std::vector<RenderedGlyph> glyphs;
    int32_t total = 0;
    int32_t capHeight = 0;
    for (const char letter : kWord) {
        glyphs.push_back(renderer.render(static_cast<uint32_t>(letter), false));
        total += glyphs.back().advance + kLetterSpacing;
        capHeight = std::max(capHeight, glyphs.back().top);
    }
    total -= kLetterSpacing;
    // leave room for the speed streaks on the left
    int32_t pen = (kLogoWidth - total) / 2 + 24;
    const int32_t baseline = (kLogoHeight + capHeight) / 2 - 1;
    capTop = baseline - capHeight;
    capBottom = baseline;
    CoverageMap map{kLogoWidth, kLogoHeight,
                    std::vector<uint8_t>(static_cast<size_t>(kLogoWidth * kLogoHeight), 0)};
    for (const RenderedGlyph& glyph : glyphs) {
        for (int32_t y = 0; y < glyph.height; ++y) {
            for (int32_t x = 0; x < glyph.width; ++x) {
                const int32_t mx = pen + glyph.left + x;
                const int32_t my = baseline - glyph.top + y;
                if (mx >= 0 && my >= 0 && mx < kLogoWidth && my < kLogoHeight) {
                    uint8_t& value = map.values[static_cast<size_t>(my * kLogoWidth + mx)];
                    value = std::max(value, glyph.at(x, y));
                }
            }
        }
        pen += glyph.advance + kLetterSpacing;
    }
    return map;
}

// Speed streaks trailing off to the left of the first letter.
void addStreaks(CoverageMap& map, int32_t capTop, int32_t capBottom) {
    int32_t firstColumn = kLogoWidth;
    for (int32_t y = 0; y < map.height; ++y) {
        for (int32_t x = 0; x < map.width; ++x) {
            if (map.at(x, y) > 0) {
                firstColumn = std::min(firstColumn, x);
            }
        }
    }
    const int32_t capHeight = capBottom - capTop;
    const int32_t streaks[][3] = {{capTop + capHeight / 5, 70, 3},
                                  {capTop + capHeight / 2, 96, 4},
                                  {capTop + capHeight * 4 / 5, 58, 3}};
    for (const auto& streak : streaks) {
        const int32_t y = streak[0];
        const int32_t length = streak[1];
        const int32_t thickness = streak[2];
        // the streaks are slanted like the letters
        const int32_t slant = (capBottom - y) / 5;
        for (int32_t x = firstColumn - 6 - length; x < firstColumn - 6; ++x) {
            for (int32_t t = 0; t < thickness; ++t) {
                const int32_t px = x + slant;
                if (px >= 0 && y + t < map.height) {
                    map.values[static_cast<size_t>((y + t) * map.width + px)] = 255;
                }
            }
        }
    }
}

bool nearLetter(const CoverageMap& map, int32_t x, int32_t y, int32_t radius) {
    for (int32_t dy = -radius; dy <= radius; ++dy) {
        for (int32_t dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius + 1 && map.at(x + dx, y + dy) >= 96) {
                return true;
            }
        }
    }
    return false;
}

uint32_t fireGradient(double t) {
    const uint32_t top = rgb(255, 244, 150);
    const uint32_t middle = colours::kFireOrange;
    const uint32_t bottom = rgb(196, 30, 28);
    return t < 0.5 ? mix(top, middle, t / 0.5) : mix(middle, bottom, (t - 0.5) / 0.5);
}

}  // namespace

NamedPicture logoPicture(const std::string& boldFontPath) {
    const GlyphRenderer renderer(boldFontPath, kLetterHeight);
    int32_t capTop = 0;
    int32_t capBottom = 0;
    CoverageMap map = letterCoverage(renderer, capTop, capBottom);
    addStreaks(map, capTop, capBottom);
    const uint32_t outline = rgb(40, 12, 20);
    const uint32_t shadow = rgb(8, 8, 20);
    Pixmap logo(kLogoWidth, kLogoHeight, kTransparent);
    for (int32_t y = 0; y < kLogoHeight; ++y) {
        for (int32_t x = 0; x < kLogoWidth; ++x) {
            if (nearLetter(map, x - kShadowOffset, y - kShadowOffset, kOutlineRadius)) {
                logo.set(x, y, shadow);
            }
        }
    }
    for (int32_t y = 0; y < kLogoHeight; ++y) {
        for (int32_t x = 0; x < kLogoWidth; ++x) {
            if (!nearLetter(map, x, y, kOutlineRadius)) {
                continue;
            }
            const uint8_t coverage = map.at(x, y);
            const double t = static_cast<double>(y - capTop) / std::max(1, capBottom - capTop);
            uint32_t fill = fireGradient(t);
            // a bright rim along the top edges of every stroke
            if (coverage >= 128 && map.at(x, y - 2) < 64) {
                fill = mix(fill, colours::kFireWhite, 0.7);
            }
            logo.set(x, y, mix(outline, fill, coverage / 255.0));
        }
    }
    return {"gfx/logo.bmp", PictureKind::Sprite, logo};
}

}  // namespace kestrway
