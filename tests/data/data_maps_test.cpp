// The four committed map chunks: read back by the game exactly as their text sources say,
// and drivable in any order (ends line up, lanes run through, start column on the road).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "map_sources.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "support/map_files.h"
#include "world/world_images.h"

namespace kestrway::datatest {
namespace {

constexpr int32_t kStartColumn = 6;
constexpr int32_t kStartChunkRow = 44;  // the start line, track row 394, in the last chunk
constexpr int32_t kUpLanes = 3;

bool isRoad(uint8_t code) { return code == 1 || code == 2; }

class DataMaps : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        setDataFolder(KESTRWAY_DATA_DIR);
        game_ = std::make_unique<GameState>();
        loadMapChunks(*game_);
    }
    void TearDown() override {
        setDataFolder("");
        DataTest::TearDown();
    }

    uint8_t code(size_t chunk, int32_t row, int32_t column) const {
        return game_->mapChunks[chunk][static_cast<size_t>(row * kTrackWidth + column)];
    }
    // Road cells counted from the left, as the traffic numbers its lanes; 0 off the road.
    int32_t lane(size_t chunk, int32_t row, int32_t column) const {
        if (column < 0 || column >= kTrackWidth || !isRoad(code(chunk, row, column))) {
            return 0;
        }
        int32_t ordinal = 0;
        for (int32_t c = 0; c <= column; ++c) {
            ordinal += isRoad(code(chunk, row, c)) ? 1 : 0;
        }
        return ordinal;
    }

    std::unique_ptr<GameState> game_;
};

TEST_F(DataMaps, ChunksReadBackExactlyAsTheirTextSources) {
    const auto& sources = mapChunkSources();
    for (size_t chunk = 0; chunk < sources.size(); ++chunk) {
        SCOPED_TRACE(std::string(sources[chunk].name));
        EXPECT_EQ(sources[chunk].name, std::string("0") + static_cast<char>('1' + chunk));
        for (int32_t row = 0; row < kChunkRows; ++row) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const char symbol = sources[chunk].rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
                ASSERT_EQ(code(chunk, row, column), tileCodeForChar(symbol)) << "row " << row << " column " << column;
            }
        }
    }
}

// Map files hold only the codes drawn by pictures that the chunks are meant to
// use; corners, towers and lines are added by the track builder.
TEST_F(DataMaps, ChunksUseOnlyGroundRoadWaterAndTrees) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        for (const uint8_t value : game_->mapChunks[chunk]) {
            EXPECT_LE(value, 4) << "chunk " << chunk;
        }
    }
}

// Any chunk may follow any other: the near end of one meets the far end of the next.
TEST_F(DataMaps, EveryChunkEndJoinsEveryChunkStart) {
    for (size_t lower = 0; lower < kChunkSlots; ++lower) {
        for (size_t upper = 0; upper < kChunkSlots; ++upper) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const uint8_t below = code(lower, kChunkRows - 1, column);
                const uint8_t above = code(upper, 0, column);
                EXPECT_EQ(isRoad(below), isRoad(above)) << lower << " then " << upper << ", column " << column;
                if (isRoad(below) && isRoad(above)) {
                    EXPECT_EQ(below, above) << lower << " then " << upper << ", column " << column;
                }
            }
        }
    }
}

TEST_F(DataMaps, StartColumnIsRoadOnTheStartRowOfEveryChunk) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        EXPECT_TRUE(isRoad(code(chunk, kStartChunkRow, kStartColumn))) << "chunk " << chunk;
    }
}

// The up lanes are road1 and the down lanes road2, so each kind of civilian car
// is placed on its own side.
TEST_F(DataMaps, UpLanesAreRoadOneAndDownLanesRoadTwo) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        for (int32_t row = 0; row < kChunkRows; ++row) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const int32_t number = lane(chunk, row, column);
                if (number > 0) {
                    EXPECT_EQ(code(chunk, row, column), number <= kUpLanes ? 1 : 2)
                        << "chunk " << chunk << " row " << row << " column " << column;
                }
            }
        }
    }
}

// Follows every lane through each chunk the way traffic keeps to it: straight
// on while the lane continues, one column aside where it shifts by one, and
// straight on over whatever lies where the lane is missing (a river). Every
// lane must come out at the other end still in its lane.
TEST_F(DataMaps, EveryLaneRunsThroughEveryChunk) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        int32_t lanes = 0;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            lanes += lane(chunk, kChunkRows - 1, column) > 0 ? 1 : 0;
        }
        ASSERT_GE(lanes, 4) << "chunk " << chunk << " needs up and down lanes";
        for (int32_t number = 1; number <= lanes; ++number) {
            const bool up = number <= kUpLanes;
            int32_t row = up ? kChunkRows - 1 : 0;
            int32_t column = 0;
            while (lane(chunk, row, column) != number) {
                ++column;
            }
            const int32_t step = up ? -1 : 1;
            for (int32_t next = row + step; next >= 0 && next < kChunkRows; next += step) {
                if (lane(chunk, next, column) != number) {
                    if (lane(chunk, next, column - 1) == number) {
                        --column;
                    } else if (lane(chunk, next, column + 1) == number) {
                        ++column;
                    }
                }
                row = next;
            }
            EXPECT_EQ(lane(chunk, row, column), number) << "chunk " << chunk << " loses lane " << number;
        }
    }
}

// Spanners are placed on random cells of rows 100-299 until a cell below
// code 4 is hit, so every chunk must offer plenty of them.
TEST_F(DataMaps, EveryChunkIsMostlyOpenGroundRoadOrWater) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        int32_t open = 0;
        for (const uint8_t value : game_->mapChunks[chunk]) {
            open += value < 4 ? 1 : 0;
        }
        EXPECT_GE(open, kChunkCells * 3 / 4) << "chunk " << chunk;
    }
}

}  // namespace
}  // namespace kestrway::datatest
