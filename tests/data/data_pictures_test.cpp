// The committed pictures: sizes, opaque tiles, masked sprites, seamless tiling and corner joins.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/data_files.h"

namespace kestrway::datatest {
namespace {

constexpr uint32_t kCreationFill = 0xFF64FF64;  // what every picture image starts as in the game

struct PictureFile {
    std::string path;
    int32_t width;
    int32_t height;
    bool sprite;
};

std::vector<PictureFile> allPictures() {
    std::vector<PictureFile> pictures;
    for (const char* set : {"forest", "desert"}) {
        for (const char* name :
             {"grass", "road", "water", "tree", "corner1", "corner2", "corner3", "corner4", "tower"}) {
            pictures.push_back({std::string("gfx/") + set + "/" + name + ".bmp", 32, 32, false});
        }
    }
    pictures.push_back({"gfx/start.bmp", 32, 32, false});
    pictures.push_back({"gfx/ui/square1.bmp", 16, 16, false});
    pictures.push_back({"gfx/ui/square2.bmp", 16, 16, false});
    for (const char* name : {"car", "boat", "car1", "car2", "tank", "tank2"}) {
        pictures.push_back({std::string("gfx/") + name + ".bmp", 32, 32, true});
    }
    for (const char* name : {"shot", "rocket", "rocket2", "shot2", "explosion", "collect/spanner"}) {
        pictures.push_back({std::string("gfx/") + name + ".bmp", 16, 16, true});
    }
    pictures.push_back({"gfx/logo.bmp", 600, 48, true});
    return pictures;
}

int32_t fileField32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<int32_t>(uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
                                uint32_t{bytes[at + 3]} << 24);
}

class DataPictures : public DataTest {};

// The loader clips a larger file silently, so the file's own size is checked
// too; then every pixel of the game's image must have been replaced.
TEST_F(DataPictures, EveryPictureHasTheGamesSizeAndFillsItsImage) {
    for (const PictureFile& picture : allPictures()) {
        SCOPED_TRACE(picture.path);
        const std::vector<uint8_t> bytes = readWholeFile(dataPath(picture.path));
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(fileField32(bytes, 18), picture.width);
        EXPECT_EQ(fileField32(bytes, 22), picture.height);
        const ImagePtr image = loadPicture(picture.path, picture.width, picture.height, kCreationFill);
        ASSERT_NE(image, nullptr);
        int32_t untouched = 0;
        for (int32_t y = 0; y < picture.height; ++y) {
            for (int32_t x = 0; x < picture.width; ++x) {
                untouched += image->row(y)[x] == kCreationFill ? 1 : 0;
            }
        }
        EXPECT_EQ(untouched, 0);
    }
}

// Tiles are copied opaque, so a mask pixel would show as magenta; sprites need
// a transparent surround (their corners) and a solid body.
TEST_F(DataPictures, TilesAreOpaqueAndSpritesAreMaskedAroundASolidBody) {
    for (const PictureFile& picture : allPictures()) {
        SCOPED_TRACE(picture.path);
        const ImagePtr image = loadPicture(picture.path, picture.width, picture.height, kCreationFill);
        ASSERT_NE(image, nullptr);
        int32_t masked = 0;
        for (int32_t y = 0; y < picture.height; ++y) {
            for (int32_t x = 0; x < picture.width; ++x) {
                masked += isMask(image->row(y)[x]) ? 1 : 0;
            }
        }
        if (!picture.sprite) {
            EXPECT_EQ(masked, 0);
            continue;
        }
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{picture.width - 1, 0}, std::pair{0, picture.height - 1},
                                   std::pair{picture.width - 1, picture.height - 1}}) {
            EXPECT_TRUE(isMask(image->row(y)[x])) << "corner " << x << "," << y;
        }
        const int32_t drawn = picture.width * picture.height - masked;
        EXPECT_GE(drawn * 10, picture.width * picture.height) << "sprite is nearly empty";
    }
}

struct Rgb {
    double red;
    double green;
    double blue;
};

Rgb split(uint32_t pixel) {
    return {static_cast<double>((pixel >> 16) & 0xFF), static_cast<double>((pixel >> 8) & 0xFF),
            static_cast<double>(pixel & 0xFF)};
}

double distance(uint32_t a, uint32_t b) {
    const Rgb p = split(a);
    const Rgb q = split(b);
    return std::abs(p.red - q.red) + std::abs(p.green - q.green) + std::abs(p.blue - q.blue);
}

// Average colour step between neighbouring pixels inside the tile, against the
// step across the tile's own wrap-around edges: a seam shows as a jump.
TEST_F(DataPictures, GroundRoadAndWaterTilesRepeatWithoutSeams) {
    for (const char* set : {"forest", "desert"}) {
        for (const char* name : {"grass", "road", "water"}) {
            const std::string path = std::string("gfx/") + set + "/" + name + ".bmp";
            SCOPED_TRACE(path);
            const ImagePtr tile = loadPicture(path, 32, 32, kCreationFill);
            ASSERT_NE(tile, nullptr);
            const auto at = [&](int32_t x, int32_t y) { return tile->row(y)[x]; };
            double inside = 0.0;
            double acrossColumns = 0.0;
            double acrossRows = 0.0;
            for (int32_t i = 0; i < 32; ++i) {
                for (int32_t j = 0; j + 1 < 32; ++j) {
                    inside += distance(at(j, i), at(j + 1, i)) + distance(at(i, j), at(i, j + 1));
                }
                acrossColumns += distance(at(31, i), at(0, i));
                acrossRows += distance(at(i, 31), at(i, 0));
            }
            inside /= 2.0 * 32 * 31;
            EXPECT_LE(acrossColumns / 32, 2.0 * inside + 6.0);
            EXPECT_LE(acrossRows / 32, 2.0 * inside + 6.0);
        }
    }
}

Rgb meanColour(const Image& tile) {
    Rgb sum{0, 0, 0};
    for (int32_t y = 0; y < 32; ++y) {
        for (int32_t x = 0; x < 32; ++x) {
            const Rgb p = split(tile.row(y)[x]);
            sum.red += p.red;
            sum.green += p.green;
            sum.blue += p.blue;
        }
    }
    return {sum.red / 1024, sum.green / 1024, sum.blue / 1024};
}

double distance(const Rgb& a, const Rgb& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

enum Side { kTop, kRight, kBottom, kLeft };

// The middle of one edge of a tile, away from the two ends where the curve meets it.
Rgb edgeColour(const Image& tile, Side side) {
    Rgb sum{0, 0, 0};
    constexpr int32_t kFrom = 4;
    constexpr int32_t kTo = 28;
    for (int32_t i = kFrom; i < kTo; ++i) {
        const int32_t x = side == kLeft ? 0 : (side == kRight ? 31 : i);
        const int32_t y = side == kTop ? 0 : (side == kBottom ? 31 : i);
        const Rgb p = split(tile.row(y)[x]);
        sum.red += p.red;
        sum.green += p.green;
        sum.blue += p.blue;
    }
    const double n = kTo - kFrom;
    return {sum.red / n, sum.green / n, sum.blue / n};
}

// A corner joins road on two sides and ground on the other two; a swapped or
// mirrored corner would leave a step in the road's edge.
TEST_F(DataPictures, CornersShowRoadOnTheirRoadSidesAndGroundOnTheOthers) {
    struct CornerSides {
        const char* name;
        std::array<Side, 2> road;
        std::array<Side, 2> ground;
    };
    const std::array<CornerSides, 4> corners{{{"corner1", {kRight, kBottom}, {kLeft, kTop}},
                                              {"corner2", {kLeft, kTop}, {kRight, kBottom}},
                                              {"corner3", {kRight, kTop}, {kLeft, kBottom}},
                                              {"corner4", {kLeft, kBottom}, {kRight, kTop}}}};
    for (const char* set : {"forest", "desert"}) {
        const std::string folder = std::string("gfx/") + set + "/";
        const ImagePtr road = loadPicture(folder + "road.bmp", 32, 32, kCreationFill);
        const ImagePtr ground = loadPicture(folder + "grass.bmp", 32, 32, kCreationFill);
        ASSERT_TRUE(road && ground);
        const Rgb roadColour = meanColour(*road);
        const Rgb groundColour = meanColour(*ground);
        for (const CornerSides& corner : corners) {
            SCOPED_TRACE(folder + corner.name);
            const ImagePtr tile = loadPicture(folder + corner.name + ".bmp", 32, 32, kCreationFill);
            ASSERT_NE(tile, nullptr);
            for (const Side side : corner.road) {
                const Rgb edge = edgeColour(*tile, side);
                EXPECT_LT(distance(edge, roadColour), distance(edge, groundColour)) << "side " << side;
            }
            for (const Side side : corner.ground) {
                const Rgb edge = edgeColour(*tile, side);
                EXPECT_LT(distance(edge, groundColour), distance(edge, roadColour)) << "side " << side;
            }
        }
    }
}

TEST_F(DataPictures, ForestAndDesertSetsLookClearlyDifferent) {
    for (const char* name : {"grass", "road", "water", "tree", "tower"}) {
        SCOPED_TRACE(name);
        const ImagePtr forest = loadPicture(std::string("gfx/forest/") + name + ".bmp", 32, 32, kCreationFill);
        const ImagePtr desert = loadPicture(std::string("gfx/desert/") + name + ".bmp", 32, 32, kCreationFill);
        ASSERT_TRUE(forest && desert);
        EXPECT_GT(distance(meanColour(*forest), meanColour(*desert)), 40.0);
    }
}

}  // namespace
}  // namespace kestrway::datatest
