// The catalogue of every picture the generator draws, grouped by family, with its file name.
#pragma once

#include <string>
#include <vector>

#include "pixmap.h"

namespace kestrway {

enum class PictureKind {
    Tile,    // fully opaque, drawn with the plain copy
    Sprite,  // mask colour (0xFF00FF) marks what stays transparent
};

struct NamedPicture {
    std::string path;  // relative to the data root, '/' separated
    PictureKind kind;
    Pixmap picture;
};

// gfx/forest/*.bmp: grass, road, water, tree, corner1..4, tower.
std::vector<NamedPicture> forestTiles();
// gfx/desert/*.bmp: the same names in the desert look.
std::vector<NamedPicture> desertTiles();
// gfx/start.bmp and gfx/ui/square1.bmp, square2.bmp.
std::vector<NamedPicture> markerPictures();
// gfx/car.bmp, boat.bmp, car1.bmp, car2.bmp, tank.bmp, tank2.bmp.
std::vector<NamedPicture> vehiclePictures();
// gfx/shot.bmp, rocket.bmp, rocket2.bmp, shot2.bmp, explosion.bmp, collect/spanner.bmp.
std::vector<NamedPicture> projectilePictures();
// gfx/logo.bmp, lettered with the given bold font file.
NamedPicture logoPicture(const std::string& boldFontPath);

}  // namespace kestrway
