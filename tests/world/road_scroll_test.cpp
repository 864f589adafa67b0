// The road's scroll: wrapping in both directions, both ends of the track,
// and the drawn picture following the scroll pixel for pixel.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/screen.h"
#include "support/test_track.h"
#include "world/road.h"

namespace kestrway::test {
namespace {

// Every code except the tree and the tower, so that no random draw or
// shot is involved; 19 of them, so that the 17 rows in view differ.
constexpr std::array<uint8_t, 19> kPlainCodes = {0, 1, 2, 3, 5, 6, 7, 8, 9, 11,
                                                 12, 13, 14, 15, 16, 17, 18, 19, 20};

uint8_t plainCode(int32_t row, int32_t column) {
    return kPlainCodes[static_cast<size_t>(row + column) % kPlainCodes.size()];
}

class RoadScrollTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        for (int32_t row = 0; row < kTrackRows; ++row) {
            for (int32_t column = 0; column < kTrackWidth; ++column) setCell(*game, row, column, plainCode(row, column));
        }
    }

    void frame(int32_t speed) {
        game->playerSpeed = speed;
        game->playerGear = speed == 0 ? 0 : 2;
        clearScreen();
        scrollAndDrawRoad(*game);
    }

    // Every screen line shows the track pixel row that the scroll puts there
    // (in every column), and the HUD side of the screen is left alone.
    void expectRoadShowsTrack() {
        int32_t wrong = 0;
        std::string first;
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            const int32_t trackPixel = y - game->scrollOffset + kTileSize * (kTrackRows - game->scrollRow);
            const int32_t row = trackPixel / kTileSize;
            const int32_t py = trackPixel % kTileSize;
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const int32_t px = (column * 7) % kTileSize;
                const TilePixel seen = decodeTilePixel(pixel(column * kTileSize + px, y));
                if (seen.slot != plainCode(row, column) || seen.py != py || seen.px != px) {
                    if (wrong++ == 0) {
                        first = "y " + std::to_string(y) + " column " + std::to_string(column) +
                                ": slot " + std::to_string(seen.slot) + " row " + std::to_string(seen.py) +
                                ", expected track row " + std::to_string(row) + " pixel row " + std::to_string(py);
                    }
                }
            }
            if (pixel(600, y) != 0xFF000000u) ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "scrollRow " << game->scrollRow << " offset " << game->scrollOffset << "; first: " << first;
    }
};

TEST_F(RoadScrollTest, StartViewPutsTheStartRowLevelWithTheCar) {
    frame(0);
    EXPECT_EQ(game->scrollRow, 16);
    EXPECT_EQ(game->scrollOffset, 0);
    const TilePixel atCar = decodeTilePixel(pixel(0, 320));
    EXPECT_EQ(atCar.slot, plainCode(394, 0));
    EXPECT_EQ(atCar.py, 0);
    expectRoadShowsTrack();
}

TEST_F(RoadScrollTest, ForwardWrapsIntoTheNextRow) {
    game->scrollRow = 20;
    game->scrollOffset = 28;
    frame(4);
    EXPECT_EQ(game->scrollRow, 21);
    EXPECT_EQ(game->scrollOffset, 0);
    expectRoadShowsTrack();
    frame(3);
    EXPECT_EQ(game->scrollOffset, 3);
    expectRoadShowsTrack();
}

TEST_F(RoadScrollTest, ReversingStaysNegativeUntilMinus32ThenWraps) {
    game->scrollRow = 20;
    game->scrollOffset = 3;
    for (int32_t expected = 1; expected >= -31; expected -= 2) {
        frame(-2);
        ASSERT_EQ(game->scrollOffset, expected);
        ASSERT_EQ(game->scrollRow, 20);
        expectRoadShowsTrack();
    }
    frame(-2);
    EXPECT_EQ(game->scrollOffset, -1);
    EXPECT_EQ(game->scrollRow, 19);
    EXPECT_EQ(game->playerSpeed, -2);
    expectRoadShowsTrack();
    // Exactly -32 wraps too.
    game->scrollOffset = -28;
    frame(-4);
    EXPECT_EQ(game->scrollOffset, 0);
    EXPECT_EQ(game->scrollRow, 18);
    expectRoadShowsTrack();
}

TEST_F(RoadScrollTest, ReversingAtTheStartRowIsRefusedAndStopsTheCar) {
    for (int32_t offset : {0, 3}) {
        game->scrollRow = 16;
        game->scrollOffset = offset;
        frame(-1);
        EXPECT_EQ(game->scrollRow, 16);
        EXPECT_EQ(game->scrollOffset, offset);
        EXPECT_EQ(game->playerSpeed, 0);
        EXPECT_EQ(game->playerGear, 0);
        EXPECT_EQ(game->stageComplete, 0);
        expectRoadShowsTrack();
    }
}

TEST_F(RoadScrollTest, TheFarEndCompletesTheStageAndStillDraws) {
    game->scrollRow = 398;
    game->scrollOffset = 30;
    frame(3);
    EXPECT_EQ(game->scrollRow, 399);
    EXPECT_EQ(game->scrollOffset, 1);
    EXPECT_EQ(game->stageComplete, 0);
    frame(1);
    EXPECT_EQ(game->scrollRow, 399);
    EXPECT_EQ(game->scrollOffset, 1);
    EXPECT_EQ(game->stageComplete, 1);
    EXPECT_EQ(game->playerSpeed, 0);
    EXPECT_EQ(game->playerGear, 0);
    expectRoadShowsTrack();
    // The finish row is level with the car.
    EXPECT_EQ(rowTopOnScreen(*game, 11), 320 + 1);
}

TEST_F(RoadScrollTest, AWholeDriveUpAndBackKeepsTheRoadContinuous) {
    int32_t frames = 0;
    while (game->stageComplete == 0 && frames < 5000) {
        frame(4);
        if (++frames % 61 == 0) expectRoadShowsTrack();
    }
    // 383 rows of 32 pixels at 4 a frame, then the frame that finds the end.
    EXPECT_EQ(frames, 383 * 8 + 1);
    game->stageComplete = 0;
    frames = 0;
    do {
        frame(-3);
        if (++frames % 53 == 0) expectRoadShowsTrack();
    } while (game->playerSpeed != 0 && frames < 5000);
    EXPECT_EQ(game->scrollRow, 16);
    EXPECT_GT(game->scrollOffset, -32);
    EXPECT_LE(game->scrollOffset, 0);
    expectRoadShowsTrack();
}

}  // namespace
}  // namespace kestrway::test
