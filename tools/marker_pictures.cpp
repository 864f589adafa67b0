// The chequered start/finish tile and the two small interface squares.
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

// 8-pixel chequer: it tiles in every direction, so a row of it reads as one line
// and a ring of it frames the title screen.
Pixmap chequerTile() {
    Pixmap tile(32, 32, colours::kWhite);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const bool dark = ((x / 8) + (y / 8)) % 2 == 1;
            const int32_t grain = static_cast<int32_t>(noiseByte(x, y, 5) % 5) - 2;
            tile.set(x, y, shade(dark ? rgb(22, 22, 26) : colours::kWhite, grain));
        }
    }
    return tile;
}

Pixmap uiSquare(uint32_t fill) {
    Pixmap square(16, 16, colours::kInk);
    fillRect(square, 1, 1, 14, 14, shade(fill, -40));
    fillRect(square, 1, 1, 13, 13, fill);
    fillRect(square, 2, 2, 4, 2, shade(fill, 60));
    return square;
}

}  // namespace

std::vector<NamedPicture> markerPictures() {
    return {
        {"gfx/start.bmp", PictureKind::Tile, chequerTile()},
        {"gfx/ui/square1.bmp", PictureKind::Tile, uiSquare(colours::kHazardYellow)},
        {"gfx/ui/square2.bmp", PictureKind::Tile, uiSquare(colours::kPlayerRed)},
    };
}

}  // namespace kestrway
