// The gun tower tile: a turret on a fortified base with twin barrels pointing left and right.
#include "gun_tower.h"

#include <cmath>

#include "palette.h"
#include "pixel_art.h"

namespace kestrway {
namespace {

void darkenEllipse(Pixmap& tile, double cx, double cy, double rx, double ry, int32_t amount) {
    for (int32_t y = 0; y < tile.height; ++y) {
        for (int32_t x = 0; x < tile.width; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                tile.set(x, y, shade(tile.get(x, y), -amount));
            }
        }
    }
}

void paintBase(Pixmap& tile, const TowerLook& look) {
    fillRoundRect(tile, 4, 4, 24, 24, 4, colours::kInk);
    fillRoundRect(tile, 5, 5, 22, 22, 3, look.wallDark);
    fillRoundRect(tile, 5, 5, 21, 21, 3, look.wall);
    if (look.brickCourses) {
        for (int32_t y = 8; y < 26; y += 4) {
            for (int32_t x = 6; x < 26; ++x) {
                tile.set(x, y, look.wallDark);
            }
            const int32_t offset = (y / 4) % 2 == 0 ? 0 : 3;
            for (int32_t x = 8 + offset; x < 26; x += 6) {
                for (int32_t k = 1; k < 4; ++k) {
                    tile.set(x, y + k, look.wallDark);
                }
            }
        }
    }
    // hazard chevrons on the front and back edges warn that the tower shoots
    for (int32_t x = 7; x < 25; ++x) {
        for (int32_t y : {6, 7, 24, 25}) {
            tile.set(x, y, ((x + y) / 2) % 2 == 0 ? colours::kHazardYellow : colours::kInk);
        }
    }
    for (const auto& bolt :
         {std::pair{6, 9}, std::pair{25, 9}, std::pair{6, 22}, std::pair{25, 22}}) {
        tile.set(bolt.first, bolt.second, look.wallLight);
    }
}

void paintBarrels(Pixmap& tile) {
    for (int32_t x = 0; x < 32; ++x) {
        tile.set(x, 13, colours::kInk);
        tile.set(x, 14, colours::kGunMetalLight);
        tile.set(x, 15, colours::kGunMetal);
        tile.set(x, 16, colours::kGunMetal);
        tile.set(x, 17, shade(colours::kGunMetal, -20));
        tile.set(x, 18, colours::kInk);
    }
    // muzzle brakes at both ends
    for (int32_t x : {0, 1, 2, 29, 30, 31}) {
        for (int32_t y = 12; y <= 19; ++y) {
            tile.set(x, y,
                     (y == 12 || y == 19) ? colours::kInk
                                          : shade(colours::kGunMetal, y < 15 ? 20 : -10));
        }
    }
    for (int32_t x : {1, 30}) {
        tile.set(x, 15, colours::kInk);
        tile.set(x, 16, colours::kInk);
    }
}

void paintTurret(Pixmap& tile, const TowerLook& look) {
    fillEllipse(tile, 16, 16, 9, 9, colours::kInk);
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - 16;
            const double dy = y + 0.5 - 16;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r <= 8.0) {
                // lit from the upper left
                const double light = 0.5 - (dx + dy) / 22.0;
                tile.set(x, y, mix(look.wallDark, look.wallLight, light));
            }
        }
    }
    fillEllipse(tile, 16, 16, 3.6, 3.6, shade(look.wallDark, -18));
    fillEllipse(tile, 15.4, 15.4, 2.4, 2.4, look.wallDark);
    tile.set(16, 9, colours::kWarningRed);
    tile.set(17, 9, colours::kWarningRed);
    tile.set(16, 10, shade(colours::kWarningRed, -60));
    tile.set(17, 10, shade(colours::kWarningRed, -60));
}

}  // namespace

void paintGunTower(Pixmap& tile, const TowerLook& look) {
    darkenEllipse(tile, 18.5, 18.5, 14, 14, 40);
    paintBase(tile, look);
    paintBarrels(tile);
    paintTurret(tile, look);
}

}  // namespace kestrway
