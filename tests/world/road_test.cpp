// The scrolling road: wrapping across rows both ways and stopping at both
// ends with the picture following pixel for pixel, and what drawing records
// and starts: obstacles, random draws, tower shots, spanners, unknown codes.
#include "world/road.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <vector>

#include "actors/shots.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

// Every code but the tree and the tower, so nothing draws or fires; 19 of
// them, so the 17 rows in view differ.
uint8_t plainCode(int32_t row, int32_t column) {
    constexpr uint8_t kCodes[] = {0,  1,  2,  3,  5,  6,  7,  8,  9, 11,
                                  12, 13, 14, 15, 16, 17, 18, 19, 20};
    return kCodes[static_cast<size_t>(row + column) % std::size(kCodes)];
}

using RoadTest = WorldTest;

TEST_F(RoadTest, ScrollWrapsAcrossRowsBothWaysAndStopsAtBothEnds) {
    struct Case {
        int32_t row, offset, speed, endRow, endOffset, endSpeed, complete;
    };
    // The start view puts row 394 level with the car. Reversing stays negative
    // until -32 and stops the car at the start row; the far end stops it and
    // completes the stage, and reversing from there is free.
    const Case cases[] = {{16, 0, 0, 16, 0, 0, 0},      {20, 28, 4, 21, 0, 4, 0},
                          {20, 1, -2, 20, -1, -2, 0},   {20, -30, -2, 19, 0, -2, 0},
                          {20, -31, -2, 19, -1, -2, 0}, {16, 0, -1, 16, 0, 0, 0},
                          {16, 3, -1, 16, 3, 0, 0},     {398, 30, 3, 399, 1, 3, 0},
                          {399, 1, 1, 399, 1, 0, 1},    {399, 0, -1, 399, -1, -1, 0}};
    for (int32_t row = 0; row < kTrackRows; ++row) {
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            cell(*game, row, column) = plainCode(row, column);
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "row " << c.row << " offset " << c.offset << " speed " << c.speed);
        game->scrollRow = c.row;
        game->scrollOffset = c.offset;
        game->playerSpeed = c.speed;
        game->playerGear = c.speed == 0 ? 0 : 2;
        game->stageComplete = 0;
        clearScreen();
        scrollAndDrawRoad(*game);
        EXPECT_EQ((std::array{game->scrollRow, game->scrollOffset, game->playerSpeed,
                              game->stageComplete}),
                  (std::array{c.endRow, c.endOffset, c.endSpeed, c.complete}));
        EXPECT_EQ(game->playerGear, c.endSpeed == 0 ? 0 : 2);
        // Every screen line shows the track pixel row that the scroll puts
        // there, in every column; the HUD side stays black.
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            const int32_t trackY =
                y - game->scrollOffset + kTileSize * (kTrackRows - game->scrollRow);
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const int32_t px = column * 7 % kTileSize;
                const TilePixel expected{plainCode(trackY / kTileSize, column), px,
                                         trackY % kTileSize};
                ASSERT_EQ(decodeTilePixel(pixel(column * kTileSize + px, y)), expected)
                    << y << "," << column;
            }
            ASSERT_EQ(pixel(600, y), 0xFF000000u) << y;
        }
    }
}

TEST_F(RoadTest, TreesAndTowersInViewAreRecordedDrawOnceEachAndTowersFireOnALowDraw) {
    // After this scroll rows 378 (just above the screen) to 394 are drawn.
    setTrackRows(*game, 377, {"T...............", "T..~12=#........", "...............T"});
    setTrackRows(*game, 385, {"..T.....X......."});
    cell(*game, 395, 0) = kTree;
    cell(*game, 386, 3) = 21;  // beyond the tile set: drawn blank, no obstacle, no draw
    cell(*game, 386, 4) = 200;
    game->scrollRow = 20;
    game->scrollOffset = 30;
    game->playerSpeed = 3;
    // A seed whose fourth draw, the tower's, fires.
    double seed = 1;
    while (seed < 1e4 && static_cast<int32_t>(drawAfter(seed, 3) * 800) >= 5) ++seed;
    seedRandom(seed);
    scrollAndDrawRoad(*game);
    const std::vector<ScreenPoint> expected = {{0, -31}, {480, 1}, {64, 193}, {256, 193}};
    EXPECT_EQ(recordedObstacles(*game), expected);
    EXPECT_EQ(randomUnit(), drawAfter(seed, 4));
    EXPECT_EQ(decodeTilePixel(pixel(3 * 32 + 3, 225 + 5)), (TilePixel{5, 3, 5}));
    EXPECT_EQ(decodeTilePixel(pixel(4 * 32 + 3, 225 + 5)), (TilePixel{5, 3, 5}));
    // Right, then left, from the tower's middle (every shot starts 8 pixels right).
    ASSERT_EQ(liveShots(), 2);
    for (int32_t i = 0; i < 2; ++i) {
        const Shot& shot = game->shots.shots[static_cast<size_t>(i)];
        EXPECT_EQ((std::array{shot.x, shot.y, shot.dx, shot.dy, shot.owner, shot.picture}),
                  (std::array{256 + 8 + 8, 193 + 8, i == 0 ? 4 : -4, 0, 1, 3}));
    }

    // A view full of trees fills the table up to its end marker, and no tree
    // fires though two of these draws would make a tower fire.
    game->track.fill(kTree);
    clearShots(game->shots);
    seedRandom(7);
    scrollAndDrawRoad(*game);
    EXPECT_EQ(recordedObstacles(*game).size(), 17u * 16u);
    EXPECT_EQ(randomUnit(), drawAfter(7, 17 * 16));
    EXPECT_EQ(liveShots(), 0);
}

TEST_F(RoadTest, SpannersAreDrawnByTheTravelledDistanceUnlessCollected) {
    game->pickupImages[0] = createImage(16, 16, 0xFF123456);
    game->spanners[0] = Spanner{3 * 32 + 8, 100 * 32 + 8};
    game->spanners[1] = Spanner{-1, 100 * 32 + 8};
    game->scrollRow = 110;
    game->scrollOffset = 5;
    scrollAndDrawRoad(*game);
    const int32_t y = 32 * 110 + 5 - 3208;
    const auto shows = [](int32_t x, int32_t atY) {
        return (pixel(x, atY) & 0xFFFFFF) == 0x123456;
    };
    EXPECT_TRUE(shows(104, y) && shows(119, y + 15));
    // Nothing beyond its 16 x 16, nor where the collected one would be.
    EXPECT_FALSE(shows(103, y) || shows(104, y + 16) || shows(0, y + 4));
}

}  // namespace
}  // namespace kestrway::test
