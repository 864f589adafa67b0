// The desert tile set: rippled sand, a dusty road, an oasis pool, barrel cacti and sandstone
// towers.
#include <cmath>
#include <numbers>

#include "gun_tower.h"
#include "palette.h"
#include "pictures.h"
#include "pixel_art.h"
#include "terrain_tiles.h"

namespace kestrway {
namespace {

constexpr TerrainStyle kDesert{GroundPattern::Sand,
                               colours::kSand,
                               colours::kSandDark,
                               colours::kSandLight,
                               colours::kDustRoad,
                               colours::kDustRoadDark,
                               colours::kLaneFaded,
                               colours::kOasis,
                               colours::kOasisDeep,
                               colours::kOasisRipple,
                               29};

// A barrel cactus seen from above: ribbed dome, pale spines along the ribs.
void paintBarrelCactus(Pixmap& tile, double cx, double cy, double radius, uint32_t seed) {
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - (cx + 2.5);
            const double dy = y + 0.5 - (cy + 2.5);
            if (dx * dx + dy * dy <= (radius + 0.5) * (radius + 0.5)) {
                tile.set(x, y, shade(tile.get(x, y), -48));
            }
        }
    }
    Pixmap body(32, 32, kTransparent);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > radius) {
                continue;
            }
            const double angle = std::atan2(dy, dx);
            const double rib = std::cos(10.0 * angle);
            const double light = 0.55 - (dx + dy) / (3.0 * radius) - 0.25 * (r / radius);
            uint32_t colour = mix(colours::kCactusDark, colours::kCactusLight, light);
            if (rib < -0.55 && r > 2.0) {
                colour = shade(colour, -34);
            }
            body.set(x, y, colour);
        }
    }
    for (int32_t k = 0; k < 10; ++k) {
        const double angle = 2.0 * std::numbers::pi * k / 10.0;
        for (double fraction : {0.45, 0.8}) {
            const int32_t x =
                static_cast<int32_t>(std::floor(cx + std::cos(angle) * radius * fraction));
            const int32_t y =
                static_cast<int32_t>(std::floor(cy + std::sin(angle) * radius * fraction));
            body.set(x, y, rgb(246, 236, 190));
        }
    }
    addGrain(body, 4, seed);
    outlineSprite(body, colours::kCactusDark);
    stamp(tile, body, 0, 0);
}

void paintFlower(Pixmap& tile, int32_t x, int32_t y) {
    const uint32_t petal = rgb(236, 84, 140);
    tile.set(x, y - 1, petal);
    tile.set(x - 1, y, petal);
    tile.set(x + 1, y, petal);
    tile.set(x, y + 1, petal);
    tile.set(x, y, colours::kFireYellow);
}

Pixmap cactusTile() {
    Pixmap tile = groundTile(kDesert);
    paintBarrelCactus(tile, 25.0, 24.0, 4.6, 41);
    paintBarrelCactus(tile, 14.0, 14.0, 10.5, 37);
    paintFlower(tile, 14, 14);
    paintFlower(tile, 25, 24);
    return tile;
}

Pixmap towerTile() {
    Pixmap tile = groundTile(kDesert);
    paintGunTower(tile,
                  {colours::kSandstone, colours::kSandstoneDark, colours::kSandstoneLight, true});
    return tile;
}

}  // namespace

std::vector<NamedPicture> desertTiles() {
    return {
        {"gfx/desert/grass.bmp", PictureKind::Tile, groundTile(kDesert)},
        {"gfx/desert/road.bmp", PictureKind::Tile, roadTile(kDesert)},
        {"gfx/desert/water.bmp", PictureKind::Tile, waterTile(kDesert)},
        {"gfx/desert/tree.bmp", PictureKind::Tile, cactusTile()},
        {"gfx/desert/corner1.bmp", PictureKind::Tile, cornerTile(kDesert, 1)},
        {"gfx/desert/corner2.bmp", PictureKind::Tile, cornerTile(kDesert, 2)},
        {"gfx/desert/corner3.bmp", PictureKind::Tile, cornerTile(kDesert, 3)},
        {"gfx/desert/corner4.bmp", PictureKind::Tile, cornerTile(kDesert, 4)},
        {"gfx/desert/tower.bmp", PictureKind::Tile, towerTile()},
    };
}

}  // namespace kestrway
