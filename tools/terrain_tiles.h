// Ground, road, water and corner tiles, drawn the same way for every tile set in its own colours.
#pragma once

#include <cstdint>

#include "pixmap.h"

namespace kestrway {

constexpr int32_t kTileSize = 32;

enum class GroundPattern { Grass, Sand };

struct TerrainStyle {
    GroundPattern pattern;
    uint32_t ground;
    uint32_t groundDark;
    uint32_t groundLight;
    uint32_t road;
    uint32_t roadDark;
    uint32_t laneMarking;
    uint32_t water;
    uint32_t waterDeep;
    uint32_t ripple;
    uint32_t seed;  // varies the texture between the sets
};

Pixmap groundTile(const TerrainStyle& style);
// Asphalt with dashed lane lines on both vertical edges, so that side-by-side road
// tiles show one line between each pair of lanes.
Pixmap roadTile(const TerrainStyle& style);
Pixmap waterTile(const TerrainStyle& style);
// Corners 1..4: a ground cell that the road's edge curves through; corner1 has the
// road to its right and below, corner2 left and above, corner3 right and above,
// corner4 left and below.
Pixmap cornerTile(const TerrainStyle& style, int32_t cornerNumber);

}  // namespace kestrway
