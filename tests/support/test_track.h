// Hand-made road worlds for tests: a GameState with every picture made, a
// track laid out from rows of characters, vehicles put at screen places, and
// the game's random draws replayed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "state/game_state.h"
#include "support/open_screen_fixture.h"

namespace kestrway {

// Screen points compared and printed whole in test expectations.
inline bool operator==(const ScreenPoint& a, const ScreenPoint& b) {
    return a.x == b.x && a.y == b.y;
}
inline void PrintTo(const ScreenPoint& p, std::ostream* out) {
    *out << "(" << p.x << "," << p.y << ")";
}

}  // namespace kestrway

namespace kestrway::test {

// Cell characters: '.' grass, '1' '2' the two road codes, '~' water, 'T' tree,
// 'X' tower, '=' start line, '#' code 5 (no picture, no behaviour), 'a' to 'd'
// corner1 to corner4. Rows are 16 characters; anything else fails the test.
void setTrackRows(GameState& game, int32_t firstRow, std::initializer_list<std::string_view> rows);
// The same row on every track row from first to last.
void fillRows(GameState& game, int32_t first, int32_t last, std::string_view row);
uint8_t& cell(GameState& game, int32_t row, int32_t column);

// The draw that follows `used` draws of a generator seeded with seed.
double drawAfter(double seed, int32_t used);

// Tile slot s is painted so that its pixel (px, py) reads
// 0xFF000000 | s << 16 | py << 8 | px: a screen pixel then tells which tile,
// and which pixel of it, was drawn there.
struct TilePixel {
    int32_t slot;
    int32_t px;
    int32_t py;
    bool operator==(const TilePixel&) const = default;
};
inline void PrintTo(const TilePixel& p, std::ostream* out) {
    *out << "slot " << p.slot << " pixel (" << p.px << "," << p.py << ")";
}
TilePixel decodeTilePixel(uint32_t pixel);

// Obstacles recorded by the last scrollAndDrawRoad, up to the end marker.
std::vector<ScreenPoint> recordedObstacles(const GameState& game);

// An open screen, the generator seeded with 1, and a world at the start view:
// every picture made (tiles painted as above), an all-grass 16 x 400 track,
// spanners collected, empty tables, the player at its start.
class WorldTest : public OpenScreenTest {
  protected:
    void SetUp() override;
    // A moving vehicle of that lane with its picture's top-left at screen (x, y).
    Vehicle& putVehicle(int32_t slot, int32_t kind, int32_t lane, int32_t x, int32_t y);
    int32_t liveShots() const;

    std::unique_ptr<GameState> game;
};

}  // namespace kestrway::test
