// Hand-made road worlds for tests (see test_track.h).
#include "support/test_track.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>

#include <unistd.h>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "platform/files.h"
#include "platform/random.h"
#include "world/road.h"
#include "world/world_images.h"

namespace kestrway::test {

namespace {

constexpr uint32_t kPixelDataOffset = 54 + 256 * 4;

void putLittleEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int32_t size) {
    for (int32_t i = 0; i < size; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

void setRows(uint8_t* cells, int32_t rowCount, int32_t firstRow,
             std::initializer_list<std::string_view> rows) {
    int32_t row = firstRow;
    for (std::string_view text : rows) {
        ASSERT_EQ(text.size(), static_cast<size_t>(kTrackWidth)) << "row " << row << ": " << text;
        ASSERT_TRUE(row >= 0 && row < rowCount) << "row " << row;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            cells[row * kTrackWidth + column] = cellCode(text[static_cast<size_t>(column)]);
        }
        ++row;
    }
}

}  // namespace

std::unique_ptr<GameState> makeTestWorld() {
    auto game = std::make_unique<GameState>();
    createWorldImages(*game);
    loadShotPictures(game->shots);
    loadExplosionPicture(game->explosions);
    paintTestTiles(*game);
    game->trackWidth = kTrackWidth;
    game->trackRows = kTrackRows;
    for (Spanner& spanner : game->spanners) spanner = Spanner{-1, 0};
    game->obstacles[0] = ScreenPoint{-1, -1};
    resetScroll(*game);
    return game;
}

uint8_t cellCode(char cell) {
    switch (cell) {
        case '.': return kGrass;
        case '1': return kRoad1;
        case '2': return kRoad2;
        case '~': return kWater;
        case 'T': return kTree;
        case 'X': return kTower;
        case '=': return kStartLine;
        case '#': return 5;
        case 'a': return kCorner1;
        case 'b': return kCorner2;
        case 'c': return kCorner3;
        case 'd': return kCorner4;
        default: ADD_FAILURE() << "unknown cell character '" << cell << "'"; return kGrass;
    }
}

void setTrackRows(GameState& game, int32_t firstRow, std::initializer_list<std::string_view> rows) {
    setRows(game.track.data(), kTrackRows, firstRow, rows);
}

void fillTrack(GameState& game, uint8_t code) { game.track.fill(code); }

void setCell(GameState& game, int32_t row, int32_t column, uint8_t code) {
    game.track.at(static_cast<size_t>(row * kTrackWidth + column)) = code;
}

uint8_t cellAt(const GameState& game, int32_t row, int32_t column) {
    return game.track.at(static_cast<size_t>(row * kTrackWidth + column));
}

void setChunkRows(MapChunk& chunk, int32_t firstRow, std::initializer_list<std::string_view> rows) {
    setRows(chunk.data(), kChunkRows, firstRow, rows);
}

int32_t rowTopOnScreen(const GameState& game, int32_t row) {
    return kTileSize * (row - kTrackRows + game.scrollRow) + game.scrollOffset;
}

std::vector<ScreenPoint> recordedObstacles(const GameState& game) {
    std::vector<ScreenPoint> found;
    for (const ScreenPoint& point : game.obstacles) {
        if (point.x == -1 && point.y == -1) return found;
        found.push_back(point);
    }
    ADD_FAILURE() << "obstacles table has no end marker";
    return found;
}

uint32_t testTilePixel(int32_t slot, int32_t px, int32_t py) {
    return 0xFF000000u | static_cast<uint32_t>(slot) << 16 | static_cast<uint32_t>(py) << 8 |
           static_cast<uint32_t>(px);
}

void paintTestTiles(GameState& game) {
    for (int32_t slot = 0; slot < kTileSlots; ++slot) {
        Image* tile = game.tileSet[static_cast<size_t>(slot)].get();
        ASSERT_NE(tile, nullptr) << "tile images need an open screen";
        for (int32_t py = 0; py < kTileSize; ++py) {
            for (int32_t px = 0; px < kTileSize; ++px) tile->row(py)[px] = testTilePixel(slot, px, py);
        }
    }
}

TilePixel decodeTilePixel(uint32_t pixel) {
    if ((pixel >> 24) != 0xFF) return TilePixel{};
    return TilePixel{static_cast<int32_t>((pixel >> 16) & 0xFF), static_cast<int32_t>(pixel & 0xFF),
                     static_cast<int32_t>((pixel >> 8) & 0xFF)};
}

TempDataFolder::TempDataFolder() {
    static std::atomic<int32_t> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("kestrway_world_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
    setDataFolder(path_.string());
}

TempDataFolder::~TempDataFolder() {
    setDataFolder("");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<uint8_t> mapFileBytes(const MapChunk& chunk) {
    std::vector<uint8_t> bytes(kPixelDataOffset + kChunkCells, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<uint32_t>(bytes.size()), 4);
    putLittleEndian(bytes, 10, kPixelDataOffset, 4);
    putLittleEndian(bytes, 14, 40, 4);
    putLittleEndian(bytes, 18, kTrackWidth, 4);
    putLittleEndian(bytes, 22, kChunkRows, 4);
    putLittleEndian(bytes, 26, 1, 2);
    putLittleEndian(bytes, 28, 8, 2);
    putLittleEndian(bytes, 34, kChunkCells, 4);
    putLittleEndian(bytes, 46, 256, 4);
    for (uint32_t i = 0; i < 256; ++i) putLittleEndian(bytes, 54 + 4 * i, i * 0x010101u, 4);
    for (int32_t row = 0; row < kChunkRows; ++row) {
        const size_t stored = kPixelDataOffset + static_cast<size_t>((kChunkRows - 1 - row) * kTrackWidth);
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            bytes[stored + static_cast<size_t>(column)] = chunk[static_cast<size_t>(row * kTrackWidth + column)];
        }
    }
    return bytes;
}

void writeMapFile(const std::filesystem::path& folder, std::string_view name,
                  const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(folder / "map");
    std::ofstream out(folder / "map" / (std::string(name) + ".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WorldTest::SetUp() {
    OpenScreenTest::SetUp();
    seedRandom(1);
    game = makeTestWorld();
}

}  // namespace kestrway::test
