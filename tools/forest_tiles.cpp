// The forest tile set: green grass, grey asphalt, blue water, leafy trees and concrete towers.
#include <array>

#include "gun_tower.h"
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"
#include "terrain_tiles.h"

namespace kestrway {
namespace {

constexpr TerrainStyle kForest{GroundPattern::Grass,
                               colours::kGrass,
                               colours::kGrassDark,
                               colours::kGrassLight,
                               colours::kAsphalt,
                               colours::kAsphaltDark,
                               colours::kLaneWhite,
                               colours::kWater,
                               colours::kWaterDeep,
                               colours::kRipple,
                               11};

struct Lobe {
    double x;
    double y;
    double radius;
};

// A round canopy built from overlapping leaf clusters, each lit from the upper left.
Pixmap treeTile() {
    Pixmap tile = groundTile(kForest);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const double dx = (x + 0.5 - 18.5) / 13.0;
            const double dy = (y + 0.5 - 19.0) / 12.0;
            if (dx * dx + dy * dy <= 1.0) {
                tile.set(x, y, shade(tile.get(x, y), -42));
            }
        }
    }
    const std::array<Lobe, 8> lobes{{{21.0, 21.0, 6.5},
                                     {10.5, 20.5, 6.5},
                                     {21.5, 10.5, 6.5},
                                     {16.0, 23.5, 6.0},
                                     {23.5, 16.0, 6.0},
                                     {9.5, 11.0, 6.5},
                                     {15.5, 8.5, 6.0},
                                     {15.0, 15.0, 8.0}}};
    Pixmap canopy(32, 32, kTransparent);
    for (const Lobe& lobe : lobes) {
        fillEllipse(canopy, lobe.x, lobe.y, lobe.radius, lobe.radius, colours::kLeafDark);
        fillEllipse(canopy, lobe.x - 0.8, lobe.y - 0.8, lobe.radius - 1.2, lobe.radius - 1.2,
                    colours::kLeaf);
        fillEllipse(canopy, lobe.x - 2.2, lobe.y - 2.2, lobe.radius * 0.45, lobe.radius * 0.45,
                    colours::kLeafLight);
    }
    addGrain(canopy, 7, 23);
    outlineSprite(canopy, shade(colours::kLeafDark, -14));
    stamp(tile, canopy, 0, 0);
    return tile;
}

Pixmap towerTile() {
    Pixmap tile = groundTile(kForest);
    paintGunTower(tile,
                  {colours::kConcrete, colours::kConcreteDark, colours::kConcreteLight, false});
    return tile;
}

}  // namespace

std::vector<NamedPicture> forestTiles() {
    return {
        {"gfx/forest/grass.bmp", PictureKind::Tile, groundTile(kForest)},
        {"gfx/forest/road.bmp", PictureKind::Tile, roadTile(kForest)},
        {"gfx/forest/water.bmp", PictureKind::Tile, waterTile(kForest)},
        {"gfx/forest/tree.bmp", PictureKind::Tile, treeTile()},
        {"gfx/forest/corner1.bmp", PictureKind::Tile, cornerTile(kForest, 1)},
        {"gfx/forest/corner2.bmp", PictureKind::Tile, cornerTile(kForest, 2)},
        {"gfx/forest/corner3.bmp", PictureKind::Tile, cornerTile(kForest, 3)},
        {"gfx/forest/corner4.bmp", PictureKind::Tile, cornerTile(kForest, 4)},
        {"gfx/forest/tower.bmp", PictureKind::Tile, towerTile()},
    };
}

}  // namespace kestrway
