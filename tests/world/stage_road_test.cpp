// A stage's road from map files to the finish: set-up from hand-made chunk
// files, the first view at speed 0, then a drive to the finish line.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "platform/screen.h"
#include "support/test_track.h"
#include "world/road.h"
#include "world/track.h"
#include "world/world_images.h"

namespace kestrway::test {
namespace {

class StageRoadTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        // Lanes of both kinds in columns 6 to 9, trees along both sides,
        // some water and grass.
        MapChunk chunk{};
        for (int32_t row = 0; row < kChunkRows; ++row) {
            setChunkRows(chunk, row, {row % 10 == 0 ? "T.....1122...T.~" : "TT....1122....TT"});
        }
        for (const char* name : {"01", "02", "03", "04"}) writeMapFile(folder.path(), name, mapFileBytes(chunk));
    }

    void setUpStage() {
        loadMapChunks(*game);
        seedRandom(77);
        buildTrack(*game);
        chooseTileSet(*game);  // no pictures in the folder: the painted tiles stay
        resetScroll(*game);
        game->playerSpeed = 0;
        clearScreen();
        scrollAndDrawRoad(*game);
    }

    TempDataFolder folder;
};

TEST_F(StageRoadTest, TheFirstViewShowsTheStartLineAtTheCarWithLanesThroughIt) {
    setUpStage();
    EXPECT_EQ(game->scrollRow, 16);
    for (int32_t column = 0; column < kTrackWidth; ++column) {
        const uint8_t code = cellAt(*game, 394, column);
        const uint8_t expected = column < 6 || column > 9 ? kStartLine : column < 8 ? kRoad1 : kRoad2;
        EXPECT_EQ(code, expected) << column;
        const TilePixel seen = decodeTilePixel(pixel(column * 32 + 4, 320));
        EXPECT_EQ(seen.slot, code) << column;
        EXPECT_EQ(seen.py, 0) << column;
    }
    // Every tree or tower of rows 383 to 399 is an obstacle of this first view.
    size_t trees = 0;
    for (int32_t row = 383; row < kTrackRows; ++row) {
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            const uint8_t code = cellAt(*game, row, column);
            trees += code == kTree || code == kTower;
        }
    }
    EXPECT_GT(trees, 0u);
    EXPECT_EQ(recordedObstacles(*game).size(), trees);
}

TEST_F(StageRoadTest, DrivingAtFullSpeedReachesTheFinishLineLevelWithTheCar) {
    setUpStage();
    int32_t frames = 0;
    while (game->stageComplete == 0 && frames < 4000) {
        game->playerSpeed = 4;
        game->shots.shots.fill(Shot{});  // towers keep firing; the table is not under test
        clearScreen();
        scrollAndDrawRoad(*game);
        ++frames;
    }
    EXPECT_EQ(frames, 383 * 8 + 1);
    EXPECT_EQ(game->scrollRow, 399);
    EXPECT_EQ(game->scrollOffset, 0);
    for (int32_t column = 0; column < kTrackWidth; ++column) {
        EXPECT_EQ(decodeTilePixel(pixel(column * 32, 320)).slot, cellAt(*game, 11, column)) << column;
    }
    EXPECT_EQ(cellAt(*game, 11, 0), kStartLine);
}

}  // namespace
}  // namespace kestrway::test
