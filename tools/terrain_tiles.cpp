// Ground, road, water and corner tiles, drawn the same way for every tile set in its own colours.
#include "terrain_tiles.h"

#include <cmath>
#include <numbers>

#include "pixel_art.h"

namespace kestrway {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

int32_t wrap(int32_t value) {
    return ((value % kTileSize) + kTileSize) % kTileSize;
}

void setWrapped(Pixmap& tile, int32_t x, int32_t y, uint32_t colour) {
    tile.set(wrap(x), wrap(y), colour);
}

// Position-based colour of the bare ground, so a corner's ground matches the plain tile exactly.
uint32_t groundBase(const TerrainStyle& style, int32_t x, int32_t y) {
    const uint32_t n = noiseByte(x, y, style.seed);
    uint32_t colour = style.ground;
    if (n < 36) {
        colour = style.groundDark;
    } else if (n > 232) {
        colour = style.groundLight;
    }
    const int32_t grain = static_cast<int32_t>(noiseByte(x, y, style.seed + 1) % 9) - 4;
    return shade(colour, grain);
}

uint32_t asphaltBase(const TerrainStyle& style, int32_t x, int32_t y) {
    const uint32_t n = noiseByte(x, y, style.seed + 7);
    uint32_t colour = style.road;
    if (n < 30) {
        colour = style.roadDark;
    } else if (n > 244) {
        colour = shade(style.road, 18);
    }
    const int32_t grain = static_cast<int32_t>(noiseByte(x, y, style.seed + 8) % 7) - 3;
    return shade(colour, grain);
}

void paintGrassTufts(Pixmap& tile, const TerrainStyle& style) {
    for (uint32_t k = 0; k < 9; ++k) {
        const int32_t x =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 1, style.seed + 2) % 32);
        const int32_t y =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 2, style.seed + 2) % 32);
        const uint32_t blade = shade(style.groundDark, -8);
        setWrapped(tile, x, y, blade);
        setWrapped(tile, x - 1, y - 1, blade);
        setWrapped(tile, x + 1, y - 2, blade);
        setWrapped(tile, x + 1, y - 1, style.groundLight);
    }
    for (uint32_t k = 0; k < 3; ++k) {
        // tiny flowers: a bright dot with a darker stem pixel below
        const int32_t x =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 3, style.seed + 3) % 32);
        const int32_t y =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 4, style.seed + 3) % 32);
        setWrapped(tile, x, y, k == 1 ? rgb(236, 220, 90) : rgb(232, 236, 226));
        setWrapped(tile, x, y + 1, style.groundDark);
    }
}

void paintSandRipples(Pixmap& tile, const TerrainStyle& style) {
    for (int32_t band = 0; band < 3; ++band) {
        const int32_t baseY = 5 + band * 11;
        const int32_t start = static_cast<int32_t>(noiseByte(band, 5, style.seed) % 32);
        for (int32_t i = 0; i < 18; ++i) {
            const int32_t x = start + i;
            const int32_t y = baseY + static_cast<int32_t>(
                                          std::lround(1.6 * std::sin(kTau * x / kTileSize + band)));
            setWrapped(tile, x, y, style.groundDark);
            setWrapped(tile, x, y - 1, style.groundLight);
        }
    }
    for (uint32_t k = 0; k < 4; ++k) {
        const int32_t x =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 6, style.seed) % 32);
        const int32_t y =
            static_cast<int32_t>(noiseByte(static_cast<int32_t>(k), 7, style.seed) % 32);
        setWrapped(tile, x, y, shade(style.groundDark, -30));
        setWrapped(tile, x + 1, y, shade(style.groundDark, -14));
    }
}

void paintAsphalt(Pixmap& tile, const TerrainStyle& style) {
    for (int32_t y = 0; y < kTileSize; ++y) {
        for (int32_t x = 0; x < kTileSize; ++x) {
            tile.set(x, y, asphaltBase(style, x, y));
        }
    }
}

// The curve a corner's road edge follows: vertical where it meets the straight
// road above and below, diagonal in between. Returns the edge's x at height y.
double cornerEdgeX(int32_t cornerNumber, double y) {
    const double s = smoothStep(y / kTileSize);
    const bool fallingLeft =
        cornerNumber == 1 || cornerNumber == 2;  // from top-right to bottom-left
    return kTileSize * (fallingLeft ? 1.0 - s : s);
}

bool cornerRoadOnRight(int32_t cornerNumber) {
    return cornerNumber == 1 || cornerNumber == 3;
}

}  // namespace

Pixmap groundTile(const TerrainStyle& style) {
    Pixmap tile(kTileSize, kTileSize, style.ground);
    for (int32_t y = 0; y < kTileSize; ++y) {
        for (int32_t x = 0; x < kTileSize; ++x) {
            tile.set(x, y, groundBase(style, x, y));
        }
    }
    if (style.pattern == GroundPattern::Grass) {
        paintGrassTufts(tile, style);
    } else {
        paintSandRipples(tile, style);
    }
    return tile;
}

Pixmap roadTile(const TerrainStyle& style) {
    Pixmap tile(kTileSize, kTileSize, style.road);
    paintAsphalt(tile, style);
    for (int32_t y = 8; y < 24; ++y) {
        tile.set(
            0, y,
            shade(style.laneMarking, static_cast<int32_t>(noiseByte(0, y, style.seed) % 13) - 6));
        tile.set(
            kTileSize - 1, y,
            shade(style.laneMarking, static_cast<int32_t>(noiseByte(31, y, style.seed) % 13) - 6));
    }
    return tile;
}

Pixmap waterTile(const TerrainStyle& style) {
    Pixmap tile(kTileSize, kTileSize, style.water);
    for (int32_t y = 0; y < kTileSize; ++y) {
        for (int32_t x = 0; x < kTileSize; ++x) {
            // periodic swell so the tile repeats without seams
            const double swell = 0.5 + 0.25 * std::sin(kTau * (x + 2 * y) / kTileSize) +
                                 0.25 * std::sin(kTau * (2 * x - y) / kTileSize);
            const int32_t grain = static_cast<int32_t>(noiseByte(x, y, style.seed + 4) % 5) - 2;
            tile.set(x, y, shade(mix(style.water, style.waterDeep, swell * 0.8), grain));
        }
    }
    const int32_t ripples[][2] = {{4, 5}, {19, 9}, {9, 17}, {24, 22}, {2, 27}, {15, 30}};
    for (const auto& ripple : ripples) {
        const int32_t x = ripple[0];
        const int32_t y = ripple[1];
        for (int32_t i = 0; i < 6; ++i) {
            const int32_t lift = (i == 0 || i == 5) ? 1 : 0;
            setWrapped(tile, x + i, y - lift, style.ripple);
        }
        setWrapped(tile, x + 2, y + 1, mix(style.ripple, style.water, 0.5));
        setWrapped(tile, x + 3, y + 1, mix(style.ripple, style.water, 0.5));
    }
    return tile;
}

Pixmap cornerTile(const TerrainStyle& style, int32_t cornerNumber) {
    Pixmap tile = groundTile(style);
    constexpr int32_t kSamples = 4;
    for (int32_t y = 0; y < kTileSize; ++y) {
        for (int32_t x = 0; x < kTileSize; ++x) {
            int32_t roadSamples = 0;
            for (int32_t sy = 0; sy < kSamples; ++sy) {
                for (int32_t sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    const double edge = cornerEdgeX(cornerNumber, py);
                    if (cornerRoadOnRight(cornerNumber) ? px > edge : px < edge) {
                        ++roadSamples;
                    }
                }
            }
            if (roadSamples > 0) {
                const double coverage = static_cast<double>(roadSamples) / (kSamples * kSamples);
                tile.set(x, y, mix(tile.get(x, y), asphaltBase(style, x, y), coverage));
            }
        }
    }
    return tile;
}

}  // namespace kestrway
