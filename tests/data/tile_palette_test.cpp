// The GIMP palette shipped for drawing map chunks: entry i is tile code i,
// so a chunk painted with its entries loads as the codes they name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/map_files.h"
#include "support/test_track.h"
#include "world/world_images.h"

namespace kestrway::test {
namespace {

struct PaletteEntry {
    uint32_t colour;
    std::string name;
};

std::vector<PaletteEntry> readGimpPalette(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "GIMP Palette");
    std::vector<PaletteEntry> entries;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        uint32_t red = 0, green = 0, blue = 0;
        if (!(fields >> red >> green >> blue)) continue;  // the header lines and comments
        std::string name;
        std::getline(fields >> std::ws, name);
        entries.push_back({red << 16 | green << 8 | blue, name});
    }
    return entries;
}

int32_t indexNamed(const std::vector<PaletteEntry>& entries, const std::string& name) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name.find(name) != std::string::npos) return static_cast<int32_t>(i);
    }
    ADD_FAILURE() << "no palette entry named " << name;
    return 0;
}

using TilePaletteTest = WorldTest;

// One entry per code, each colour its own (a paint program that maps
// colours to entries must not land on a neighbour's code); a chunk painted
// with the entries named road, water, tree, tower and start line holds
// exactly those codes where they were painted.
TEST_F(TilePaletteTest, ChunkPaintedWithThePaletteLoadsAsTheNamedCodes) {
    const auto entries =
        readGimpPalette(std::filesystem::path(KESTRWAY_DATA_DIR) / "map/tiles.gpl");
    ASSERT_EQ(entries.size(), 21u);
    std::set<uint32_t> colours;
    for (const PaletteEntry& entry : entries) colours.insert(entry.colour);
    EXPECT_EQ(colours.size(), entries.size());

    const auto paint = [&](const std::string& name) {
        return static_cast<char>(indexNamed(entries, name));
    };
    ChunkRows rows(50, std::string(16, paint("grass")));
    rows[0] = std::string(16, paint("start line"));
    rows[10][3] = paint("kind 1");
    rows[10][4] = paint("kind 2");
    rows[20][15] = paint("water");
    rows[30][0] = paint("tree");
    rows[49][8] = paint("gun tower");
    TestDataFolder data({rows});
    setDataFolder(data.path().string());
    loadMapChunks(*game);
    setDataFolder("");
    const auto code = [&](int32_t row, int32_t column) {
        return game->mapChunks[0][static_cast<size_t>(row * kTrackWidth + column)];
    };
    EXPECT_EQ((std::vector<int>{code(0, 7), code(10, 3), code(10, 4), code(20, 15), code(30, 0),
                                code(49, 8), code(49, 9)}),
              (std::vector<int>{15, 1, 2, 3, 4, 10, 0}));
}

}  // namespace
}  // namespace kestrway::test
