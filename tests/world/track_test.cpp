// Track generation: the chunk order and its draws, corners with the
// row-major neighbours, towers by stage, spanners, start and finish lines.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "platform/random.h"
#include "support/test_track.h"
#include "world/track.h"

namespace kestrway::test {
namespace {

std::vector<double> drawsFrom(double seed, int32_t count) {
    GameRandom generator;
    generator.seed(seed);
    std::vector<double> draws;
    for (int32_t i = 0; i < count; ++i) draws.push_back(generator.next());
    return draws;
}

using TrackTest = WorldTest;

TEST_F(TrackTest, ChunksFollowTheDrawsAfterEachCopyStartingWithSlotZero) {
    // No road, tree or grass: nothing but the lines changes the chunks.
    const uint8_t fills[4] = {3, 5, 11, 12};
    for (size_t slot = 0; slot < 4; ++slot) game->mapChunks[slot].fill(fills[slot]);
    seedRandom(42);
    buildTrack(*game);
    const std::vector<double> draws = drawsFrom(42, 7);
    for (int32_t k = 0; k < 8; ++k) {
        const size_t slot = k == 0 ? 0 : static_cast<size_t>(std::floor(draws[static_cast<size_t>(k - 1)] * 4));
        const int32_t row = 50 * k + 30;  // clear of rows 11 and 394
        EXPECT_EQ(cellAt(*game, row, 5), fills[slot]) << "chunk " << k;
        EXPECT_EQ(cellAt(*game, 50 * k, 0), fills[slot]) << "chunk " << k;
        EXPECT_EQ(cellAt(*game, 50 * k + 49, 15), fills[slot]) << "chunk " << k;
    }
}

TEST_F(TrackTest, AllGrassGivesLinesOnlyAndSpannersFromTheExactDraws) {
    // 8 chunk draws, one per cell for the towers, then two per spanner.
    game->stageComplete = 1;
    seedRandom(5);
    buildTrack(*game);
    for (int32_t row = 0; row < kTrackRows; ++row) {
        const uint8_t expected = (row == 11 || row == 394) ? kStartLine : kGrass;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            ASSERT_EQ(cellAt(*game, row, column), expected) << row << "," << column;
        }
    }
    const std::vector<double> draws = drawsFrom(5, 8 + 6400 + 12 + 1);
    for (size_t i = 0; i < 6; ++i) {
        const double columnDraw = draws[8 + 6400 + 2 * i];
        const double rowDraw = draws[8 + 6400 + 2 * i + 1];
        EXPECT_EQ(game->spanners[i].x, 32 * static_cast<int32_t>(std::floor(columnDraw * 16)) + 8) << i;
        EXPECT_EQ(game->spanners[i].y, 32 * (static_cast<int32_t>(std::floor(rowDraw * 200)) + 100) + 8) << i;
        EXPECT_GE(game->spanners[i].y, 3208);
        EXPECT_LE(game->spanners[i].y, 9576);
    }
    EXPECT_EQ(randomUnit(), draws.back());
    EXPECT_EQ(game->stageComplete, 0);
}

struct Cell {
    int32_t row;
    int32_t column;
    uint8_t code;
};

void place(GameState& game, std::initializer_list<Cell> cells) {
    for (const Cell& cell : cells) setCell(game, cell.row, cell.column, cell.code);
}

TEST_F(TrackTest, CornersNeedTwoRoadNeighboursOfTheSameKindAndTheLastTestWins) {
    place(*game, {{30, 2, kRoad1}, {31, 1, kRoad1},                                   // (30,1)
                  {30, 6, kRoad1}, {31, 5, kRoad2},                                   // (30,5)
                  {30, 9, kRoad1}, {30, 11, kRoad1}, {29, 10, kRoad1}, {31, 10, kRoad1},  // (30,10)
                  {34, 2, kRoad2}, {35, 3, kRoad2},                                   // (34,3)
                  {34, 9, kRoad1}, {33, 8, kRoad1},                                   // (34,8)
                  {37, 4, kRoad1}, {38, 5, kRoad1}, {37, 6, kRoad2}, {36, 5, kRoad2}});  // (37,5)
    setCell(*game, 50, 7, kWater);
    setCell(*game, 50, 8, kRoad1);
    setCell(*game, 51, 7, kRoad1);
    placeTrackFeatures(*game);
    EXPECT_EQ(cellAt(*game, 30, 1), kCorner1);
    EXPECT_EQ(cellAt(*game, 30, 5), kGrass);    // road1 and road2 do not pair
    EXPECT_EQ(cellAt(*game, 30, 10), kCorner2);  // road on all four sides
    EXPECT_EQ(cellAt(*game, 34, 3), kCorner4);
    EXPECT_EQ(cellAt(*game, 34, 8), kCorner3);
    EXPECT_EQ(cellAt(*game, 37, 5), kCorner3);  // left+below holds too, right+above comes later
    EXPECT_EQ(cellAt(*game, 50, 7), kWater);    // only grass turns
    EXPECT_EQ(cellAt(*game, 30, 2), kRoad1);
}

TEST_F(TrackTest, CornerNeighboursFollowTheRowMajorOrder) {
    // A column-0 cell's left is the last cell of the row above; a column-15
    // cell's right is the first cell of the row below.
    place(*game, {{40, 15, kRoad1}, {42, 0, kRoad1},     // (41,0): left and below
                  {46, 0, kRoad2}, {46, 15, kRoad2},     // (45,15): right and below
                  {0, 1, kRoad1}, {1, 0, kRoad1},        // (0,0): nothing before the track
                  {399, 4, kRoad1}, {399, 6, kRoad1}, {398, 5, kRoad1}});  // (399,5)
    placeTrackFeatures(*game);
    EXPECT_EQ(cellAt(*game, 41, 0), kCorner4);
    EXPECT_EQ(cellAt(*game, 45, 15), kCorner1);
    EXPECT_EQ(cellAt(*game, 0, 0), kCorner1);
    EXPECT_EQ(cellAt(*game, 399, 5), kGrass);  // the last row keeps its codes
}

// Trees everywhere but every seventh cell, which is grass.
void plantTrees(GameState& game) {
    for (size_t i = 0; i < game.track.size(); ++i) game.track[i] = i % 7 == 0 ? kGrass : kTree;
}

TEST_F(TrackTest, EachCellDrawsOnceForTowersAndTheChanceGrowsWithTheStage) {
    plantTrees(*game);
    seedRandom(11);
    placeTrackFeatures(*game);
    const std::vector<double> draws = drawsFrom(11, kTrackCells);
    int32_t towers = 0;
    for (int32_t i = 0; i < kTrackCells; ++i) {
        const int32_t row = i / kTrackWidth;
        if (i % 7 == 0 || row == 11 || row == 394) continue;
        const bool tower = std::floor(draws[static_cast<size_t>(i)] * 100) < 1 + 3;
        ASSERT_EQ(game->track[static_cast<size_t>(i)], tower ? kTower : kTree) << "cell " << i;
        towers += tower;
    }
    EXPECT_GT(towers, 0);

    plantTrees(*game);
    game->stageNumber = 97;
    placeTrackFeatures(*game);
    for (uint8_t code : game->track) ASSERT_NE(code, kTree);
}

TEST_F(TrackTest, SpannersLandOnlyOnGrassRoadOrWater) {
    const uint8_t blocking[] = {kTree, 5, kCorner1, kCorner4, kTower, 11, kStartLine, 21, 200};
    for (int32_t row = 100; row < 300; ++row) {
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            setCell(*game, row, column, blocking[static_cast<size_t>(row + column) % std::size(blocking)]);
        }
    }
    setTrackRows(*game, 250, {"~12.~12.~12.~12."});
    placeTrackFeatures(*game);
    for (const Spanner& spanner : game->spanners) {
        EXPECT_EQ(spanner.y, 250 * 32 + 8);
        EXPECT_EQ((spanner.x - 8) % 32, 0);
        EXPECT_GE(spanner.x, 8);
        EXPECT_LE(spanner.x, 488);
    }
}

TEST_F(TrackTest, WithNowhereToPlaceThemSpannersAreLeftCollectedAfterTheBound) {
    for (int32_t row = 100; row < 300; ++row) {
        for (int32_t column = 0; column < kTrackWidth; ++column) setCell(*game, row, column, 5);
    }
    seedRandom(13);
    placeTrackFeatures(*game);
    for (const Spanner& spanner : game->spanners) EXPECT_EQ(spanner.x, -1);
    // Every spanner used its full share of attempts, two draws each.
    const int32_t used = kTrackCells + 6 * 2 * kMaxSpannerAttempts;
    EXPECT_EQ(randomUnit(), drawsFrom(13, used + 1).back());
}

TEST_F(TrackTest, StartAndFinishLinesKeepOnlyTheRoad) {
    setTrackRows(*game, 11, {"~TXabcd.12#.~TX1"});
    setTrackRows(*game, 394, {"2.~T=1X##abcd..."});
    setCell(*game, 394, 7, 200);
    const std::array<uint8_t, kTrackCells> before = game->track;
    game->stageNumber = 200;  // every tree a tower first: the line replaces it all the same
    placeTrackFeatures(*game);
    for (int32_t row : {11, 394}) {
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            const uint8_t was = before[static_cast<size_t>(row * kTrackWidth + column)];
            const uint8_t expected = (was == kRoad1 || was == kRoad2) ? was : uint8_t{kStartLine};
            EXPECT_EQ(cellAt(*game, row, column), expected) << row << "," << column;
        }
    }
}

}  // namespace
}  // namespace kestrway::test
