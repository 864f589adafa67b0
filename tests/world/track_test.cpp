// Track generation: the chunk order and its draws, corners with the
// row-major neighbours, towers by stage, spanners, start and finish lines.
#include "world/track.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/random.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

using TrackTest = WorldTest;

TEST_F(TrackTest, ChunksFollowTheDrawsThenOnlyTheLinesAndSpannersFromTheExactDrawsAreAdded) {
    // Grass chunks, each marked by a code of its own that nothing dresses.
    for (size_t slot = 0; slot < 4; ++slot)
        game->mapChunks[slot][30 * 16 + 5] = static_cast<uint8_t>(11 + slot);
    game->stageComplete = 1;
    seedRandom(5);
    buildTrack(*game);
    // The far end is always slot 0; every later chunk is the one drawn after the copy before it.
    int32_t slots[8] = {0};
    for (int32_t k = 1; k < 8; ++k) slots[k] = static_cast<int32_t>(drawAfter(5, k - 1) * 4);
    for (int32_t i = 0; i < kTrackCells; ++i) {
        const int32_t row = i / kTrackWidth;
        int32_t expected = row == 11 || row == 394 ? kStartLine : kGrass;
        if (i % kChunkCells == 30 * 16 + 5) expected = 11 + slots[row / 50];
        ASSERT_EQ(game->track[static_cast<size_t>(i)], expected) << "cell " << i;
    }
    // Eight chunk draws, one per cell for the towers, then column and row per spanner.
    const int32_t first = 8 + kTrackCells;
    for (int32_t i = 0; i < kSpannerCount; ++i) {
        const int32_t column = static_cast<int32_t>(drawAfter(5, first + 2 * i) * 16);
        const int32_t row = static_cast<int32_t>(drawAfter(5, first + 2 * i + 1) * 200) + 100;
        const Spanner& spanner = game->spanners[static_cast<size_t>(i)];
        EXPECT_EQ((std::array{spanner.x, spanner.y}), (std::array{32 * column + 8, 32 * row + 8}));
    }
    EXPECT_EQ(randomUnit(), drawAfter(5, first + 2 * kSpannerCount));
    EXPECT_EQ(game->stageComplete, 0);
}

struct Cell {
    int32_t row;
    int32_t column;
    uint8_t code;
};

TEST_F(TrackTest, CornersTurnGrassBetweenTwoRoadsOfOneKindAndLinesKeepOnlyTheRoad) {
    const Cell laid[] = {{30, 2, kRoad1}, {31, 1, kRoad1},  {30, 6, kRoad1},  {31, 5, kRoad2},
                         {30, 9, kRoad1}, {30, 11, kRoad1}, {29, 10, kRoad1}, {31, 10, kRoad1},
                         {34, 2, kRoad2}, {35, 3, kRoad2},  {34, 9, kRoad1},  {33, 8, kRoad1},
                         {37, 4, kRoad1}, {38, 5, kRoad1},  {37, 6, kRoad2},  {36, 5, kRoad2},
                         {50, 7, kWater}, {50, 8, kRoad1},  {51, 7, kRoad1},  {40, 15, kRoad1},
                         {42, 0, kRoad1}, {46, 0, kRoad2},  {46, 15, kRoad2}, {0, 1, kRoad1},
                         {1, 0, kRoad1},  {399, 4, kRoad1}, {399, 6, kRoad1}, {398, 5, kRoad1}};
    for (const Cell& c : laid) cell(*game, c.row, c.column) = c.code;
    setTrackRows(*game, 11, {"~TXabcd.12#.~TX1"});
    setTrackRows(*game, 394, {"2.~T=1X##abcd..."});
    game->stageNumber = 200;  // every tree becomes a tower before the lines replace it
    placeTrackFeatures(*game);
    // (30,5): road1 and road2 do not pair. (30,10): road on all four sides,
    // the last test wins. (37,5): left and below hold too, right and above
    // come later. (50,7): only grass turns. (41,0): its left is the last cell
    // of the row above; (45,15): its right the first of the row below.
    // (0,0): nothing before the track. (399,5): the last row keeps its codes.
    // On the two line rows only road1 and road2 stay.
    const Cell expected[] = {
        {30, 1, kCorner1},   {30, 5, kGrass},      {30, 10, kCorner2},  {34, 3, kCorner4},
        {34, 8, kCorner3},   {37, 5, kCorner3},    {50, 7, kWater},     {41, 0, kCorner4},
        {45, 15, kCorner1},  {0, 0, kCorner1},     {399, 5, kGrass},    {11, 8, kRoad1},
        {11, 9, kRoad2},     {11, 15, kRoad1},     {394, 0, kRoad2},    {394, 5, kRoad1},
        {11, 0, kStartLine}, {11, 1, kStartLine},  {11, 2, kStartLine}, {11, 3, kStartLine},
        {11, 7, kStartLine}, {11, 10, kStartLine}, {394, 4, kStartLine}};
    for (const Cell& c : expected)
        EXPECT_EQ(cell(*game, c.row, c.column), c.code) << c.row << "," << c.column;
}

// Each cell takes one draw whatever it holds (the draw count in the first test
// pins that); the chance that a tree becomes a tower grows with the stage.
TEST_F(TrackTest, LaterStagesRaiseMoreTowers) {
    fillRows(*game, 0, kTrackRows - 1, ".TTTTTTTTTTTTTTT");
    game->stageNumber = 1;
    placeTrackFeatures(*game);
    // Stage 1 raises 4 per cent of the 15 x 398 trees off the line rows, about 239 (3 per cent
    // would be 179).
    EXPECT_NEAR(std::count(game->track.begin(), game->track.end(), kTower), 239, 30);
    fillRows(*game, 0, kTrackRows - 1, ".TTTTTTTTTTTTTTT");
    game->stageNumber = 97;
    placeTrackFeatures(*game);
    EXPECT_EQ(std::count(game->track.begin(), game->track.end(), kTree), 0);
}

// Rows 100 to 299 all trees but one grass cell: every spanner finds it within
// its 2^20 attempts (with a bound of 10,000 about 4 per cent were given up).
// With nowhere to stand (trees, towers, code 5 and corners) every spanner
// stays collected after using all its draws.
TEST_F(TrackTest, SpannersFindOneCellIn3200OrStayCollectedAfterTheirAttempts) {
    game->stageNumber = 0;  // trees and towers both refuse a spanner
    for (double seed = 1; seed <= 40; ++seed) {
        fillRows(*game, 100, 299, "TTTTTTTTTTTTTTTT");
        cell(*game, 217, 9) = kGrass;
        seedRandom(seed);
        placeTrackFeatures(*game);
        for (const Spanner& spanner : game->spanners) {
            ASSERT_EQ((std::array{spanner.x, spanner.y}), (std::array{32 * 9 + 8, 32 * 217 + 8}))
                << "seed " << seed;
        }
    }
    fillRows(*game, 100, 299, "TTTTXXXX####abcd");
    seedRandom(13);
    placeTrackFeatures(*game);
    for (const Spanner& spanner : game->spanners) EXPECT_EQ(spanner.x, -1);
    const int32_t draws = kTrackCells + kSpannerCount * 2 * (1 << 20);
    EXPECT_EQ(randomDrawCount(), uint64_t{draws});
    EXPECT_EQ(randomUnit(), drawAfter(13, draws));
}

}  // namespace
}  // namespace kestrway::test
