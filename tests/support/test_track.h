// Hand-made road worlds for tests: a GameState with its pictures created, a
// track laid out from strings, decodable tile pixels and map chunk files.
//
// Typical use (the screen must be open, so derive from WorldTest or call
// makeTestWorld inside an OpenScreenTest):
//
//     setTrackRows(*game, 383, {
//         "..11TX..........",   // one char per cell, see cellCode
//         "..11............",
//     });
//     game->scrollRow = 16; game->playerSpeed = 2;
//     scrollAndDrawRoad(*game);
//
// Every tile slot s is painted so that its pixel (px, py) is
// testTilePixel(s, px, py); decodeTilePixel on a screen pixel then tells
// which slot and which pixel of it was drawn there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "state/game_state.h"
#include "support/open_screen_fixture.h"

namespace kestrway::test {

// A GameState ready to scroll and draw: tile, pickup, shot and explosion
// pictures created (tiles painted with testTilePixel), trackWidth 16 and
// trackRows 400, an all-grass track, every spanner collected (x = -1), no
// live shot or explosion, the start view, stage 1, speed 0. The map chunks
// stay all grass. Needs an open screen.
std::unique_ptr<GameState> makeTestWorld();

// Cell characters: '.' grass, '1' road1, '2' road2, '~' water, 'T' tree,
// 'X' tower, '=' start line, '#' code 5 (no picture, no behaviour),
// 'a' 'b' 'c' 'd' corner1 to corner4. Anything else fails the test.
uint8_t cellCode(char cell);
// Writes rows of 16 cell characters to the track from firstRow downwards.
void setTrackRows(GameState& game, int32_t firstRow, std::initializer_list<std::string_view> rows);
void fillTrack(GameState& game, uint8_t code);
void setCell(GameState& game, int32_t row, int32_t column, uint8_t code);
uint8_t cellAt(const GameState& game, int32_t row, int32_t column);
// The same rows for a map chunk (rows 0 to 49).
void setChunkRows(MapChunk& chunk, int32_t firstRow, std::initializer_list<std::string_view> rows);

// Screen y of the top of a track row for the current scroll.
int32_t rowTopOnScreen(const GameState& game, int32_t row);
// Obstacles recorded by the last scrollAndDrawRoad, up to the end marker.
std::vector<ScreenPoint> recordedObstacles(const GameState& game);

// The tile pictures' pattern: opaque, slot in red, pixel row in green,
// pixel column in blue.
uint32_t testTilePixel(int32_t slot, int32_t px, int32_t py);
void paintTestTiles(GameState& game);
struct TilePixel {
    int32_t slot = -1;
    int32_t px = -1;
    int32_t py = -1;
};
// Reads a pixel drawn from a painted tile (the alpha byte must be 0xFF).
TilePixel decodeTilePixel(uint32_t pixel);

// A temporary folder made the game's data folder for the test's lifetime.
class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A map chunk as the game's file: an 8-bit 16x50 bitmap with a 256-entry
// palette, pixel data at byte 1078, bottom row stored first.
std::vector<uint8_t> mapFileBytes(const MapChunk& chunk);
// Writes folder/map/<name>.bmp ("01" to "04").
void writeMapFile(const std::filesystem::path& folder, std::string_view name,
                  const std::vector<uint8_t>& bytes);

// An open screen plus a fresh test world, random generator seeded with 1.
class WorldTest : public OpenScreenTest {
protected:
    void SetUp() override;
    std::unique_ptr<GameState> game;
};

}  // namespace kestrway::test
