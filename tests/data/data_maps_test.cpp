// The four committed map chunks (their bytes are pinned by the regeneration test), read as the
// game reads them: drivable in any order (ends line up, lanes run through, start column on road).
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "platform/files.h"
#include "state/game_state.h"
#include "world/world_images.h"

namespace kestrway {
namespace {

// A tile code of the committed chunks, as the game reads them.
uint8_t code(size_t chunk, int32_t row, int32_t column) {
    static const GameState game = [] {
        GameState loaded;
        setDataFolder(KESTRWAY_DATA_DIR);
        loadMapChunks(loaded);
        setDataFolder("");
        return loaded;
    }();
    return game.mapChunks[chunk][static_cast<size_t>(row * kTrackWidth + column)];
}

bool isRoad(uint8_t value) {
    return value == 1 || value == 2;
}

// Road cells counted from the left, as the traffic numbers its lanes; 0 off the road.
int32_t lane(size_t chunk, int32_t row, int32_t column) {
    int32_t ordinal = 0;
    for (int32_t c = 0; c <= column; ++c) ordinal += isRoad(code(chunk, row, c)) ? 1 : 0;
    return isRoad(code(chunk, row, column)) ? ordinal : 0;
}

// Any chunk may follow any other with the same lanes at the joint, and the car starts on column 6
// of the start line (chunk row 44).
TEST(DataMaps, EveryChunkEndJoinsEveryChunkStartAndTheStartColumnIsRoad) {
    for (size_t lower = 0; lower < kChunkSlots; ++lower) {
        EXPECT_GT(lane(lower, 44, 6), 0) << "chunk " << lower;
        for (size_t upper = 0; upper < kChunkSlots; ++upper) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                EXPECT_EQ(lane(lower, kChunkRows - 1, column), lane(upper, 0, column))
                    << lower << " then " << upper << ", column " << column;
            }
        }
    }
}

// Traffic keeps to its lane by moving one column aside where the lane shifts and driving straight
// on where it is missing (a river), so a lane may move by at most one column from where it was
// last seen. Up lanes (1-3) are road1 and down lanes road2, so each kind of car keeps to its side.
TEST(DataMaps, LanesShiftByOneColumnAtMostAndKeepTheirRoadCode) {
    for (size_t chunk = 0; chunk < kChunkSlots; ++chunk) {
        std::array<int32_t, kTrackWidth + 1> lastSeen;
        lastSeen.fill(-1);
        for (int32_t row = 0; row < kChunkRows; ++row) {
            for (int32_t column = 0; column < kTrackWidth; ++column) {
                const int32_t number = lane(chunk, row, column);
                if (number == 0) continue;
                EXPECT_EQ(code(chunk, row, column), number <= 3 ? 1 : 2) << chunk << "," << row;
                int32_t& last = lastSeen[static_cast<size_t>(number)];
                EXPECT_TRUE(last < 0 || std::abs(column - last) <= 1)
                    << "chunk " << chunk << " row " << row << " lane " << number;
                last = column;
            }
        }
        EXPECT_GE(lastSeen[4], 0) << "chunk " << chunk << " has no down lane";
    }
}

}  // namespace
}  // namespace kestrway
