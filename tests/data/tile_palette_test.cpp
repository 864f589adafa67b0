// The GIMP palette shipped for drawing map chunks: entry i is tile code i.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "state/world_tables.h"

namespace kestrway::test {
namespace {

// One entry per code, each colour its own (a paint program that maps colours
// to entries must not land on a neighbour's code), and the entry painting
// each kind of cell is the code the game reads for it: a map chunk's pixel
// values are its tile codes.
TEST(TilePaletteTest, EachEntryIsTheTileCodeItNames) {
    std::ifstream in(std::filesystem::path(KESTRWAY_DATA_DIR) / "map/tiles.gpl");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "GIMP Palette");
    std::vector<std::string> names;
    std::set<uint32_t> colours;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        uint32_t red = 0, green = 0, blue = 0;
        if (!(fields >> red >> green >> blue)) continue;  // the header lines and comments
        colours.insert(red << 16 | green << 8 | blue);
        names.emplace_back();
        std::getline(fields >> std::ws, names.back());
    }
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(colours.size(), names.size());
    const std::pair<const char*, int32_t> named[] = {
        {"grass", kGrass}, {"kind 1", kRoad1},    {"kind 2", kRoad2},        {"water", kWater},
        {"tree", kTree},   {"gun tower", kTower}, {"start line", kStartLine}};
    for (const auto& [name, code] : named) {
        EXPECT_NE(names[static_cast<size_t>(code)].find(name), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace kestrway::test
