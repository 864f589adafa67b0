// Draws the program's icon from one list of shapes, as SVG and as pixels.
#include "app_icon.h"

#include <array>
#include <cstdio>

namespace kestrway {
namespace {

struct IconRectangle {
    int32_t x, y, width, height, radius;
    uint32_t colour;  // 0xRRGGBB
};

// Back to front: grass, road, verges, lane marks, wheels, body, stripe, windows.
constexpr std::array<IconRectangle, 14> kShapes = {{
    {0, 0, 64, 64, 10, 0x2f7d32},
    {14, 0, 36, 64, 0, 0x4a4a4f},
    {14, 0, 3, 64, 0, 0xe0e0e0},
    {47, 0, 3, 64, 0, 0xe0e0e0},
    {31, 2, 2, 8, 0, 0xf2c230},
    {31, 54, 2, 8, 0, 0xf2c230},
    {20, 12, 5, 10, 1, 0x111111},
    {39, 12, 5, 10, 1, 0x111111},
    {20, 40, 5, 10, 1, 0x111111},
    {39, 40, 5, 10, 1, 0x111111},
    {23, 8, 18, 46, 6, 0xd62828},
    {29, 8, 6, 46, 0, 0xffffff},
    {25, 20, 14, 8, 2, 0x9fd3ff},
    {25, 38, 14, 6, 2, 0x7fb6e0},
}};

// Whether the centre of pixel (px, py) lies inside the rounded rectangle.
bool covers(const IconRectangle& shape, int32_t px, int32_t py) {
    const double x = px + 0.5;
    const double y = py + 0.5;
    if (x < shape.x || y < shape.y || x >= shape.x + shape.width || y >= shape.y + shape.height) {
        return false;
    }
    const double r = shape.radius;
    const double cornerX = x < shape.x + r                 ? shape.x + r
                           : x > shape.x + shape.width - r ? shape.x + shape.width - r
                                                           : x;
    const double cornerY = y < shape.y + r                  ? shape.y + r
                           : y > shape.y + shape.height - r ? shape.y + shape.height - r
                                                            : y;
    const double dx = x - cornerX;
    const double dy = y - cornerY;
    return dx * dx + dy * dy <= r * r;
}

}  // namespace

std::string appIconSvg() {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- Kestrway's icon: the player's red car on a stretch of road, seen from above. -->\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
        "viewBox=\"0 0 64 64\">\n";
    char line[160];
    for (const IconRectangle& shape : kShapes) {
        std::snprintf(line, sizeof line,
                      "  <rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" rx=\"%d\" "
                      "fill=\"#%06x\"/>\n",
                      static_cast<int>(shape.x), static_cast<int>(shape.y),
                      static_cast<int>(shape.width), static_cast<int>(shape.height),
                      static_cast<int>(shape.radius), static_cast<unsigned>(shape.colour));
        text += line;
    }
    text += "</svg>\n";
    return text;
}

Pixmap drawAppIcon() {
    Pixmap icon(kAppIconSize, kAppIconSize, 0x00000000);
    for (const IconRectangle& shape : kShapes) {
        for (int32_t y = 0; y < kAppIconSize; ++y) {
            for (int32_t x = 0; x < kAppIconSize; ++x) {
                if (covers(shape, x, y)) icon.set(x, y, 0xFF000000 | shape.colour);
            }
        }
    }
    return icon;
}

std::string formatAppIconInclude(const Pixmap& icon) {
    std::string text =
        "// The program's 64x64 icon (made by kestrway_datagen): 0xAARRGGBB, top row first.\n";
    char literal[16];
    for (size_t i = 0; i < icon.pixels.size(); ++i) {
        std::snprintf(literal, sizeof literal, "0x%08X,", static_cast<unsigned>(icon.pixels[i]));
        text += literal;
        text += (i % 8 == 7) ? "\n" : " ";
    }
    return text;
}

}  // namespace kestrway
