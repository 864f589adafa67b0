// The gun tower tile: a turret on a fortified base with twin barrels pointing left and right.
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace kestrway {

struct TowerLook {
    uint32_t wall;
    uint32_t wallDark;
    uint32_t wallLight;
    bool brickCourses;  // masonry lines on the base instead of poured concrete
};

// Draws the tower over the given ground tile (which already fills the 32x32 cell).
void paintGunTower(Pixmap& tile, const TowerLook& look);

}  // namespace kestrway
