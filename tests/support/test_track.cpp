// Hand-made road worlds for tests (see test_track.h).
#include "support/test_track.h"

#include <gtest/gtest.h>

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/random.h"
#include "player/player.h"
#include "world/road.h"
#include "world/world_images.h"

namespace kestrway::test {

void setTrackRows(GameState& game, int32_t firstRow, std::initializer_list<std::string_view> rows) {
    int32_t row = firstRow;
    for (std::string_view text : rows) {
        ASSERT_EQ(text.size(), static_cast<size_t>(kTrackWidth)) << text;
        for (int32_t column = 0; column < kTrackWidth; ++column) {
            // The code is the character's place here; codes 11 to 14 have none.
            const size_t code = std::string_view(".12~T#abcdX\0\0\0\0=", 16)
                                    .find(text[static_cast<size_t>(column)]);
            ASSERT_LT(code, 16u) << "unknown cell character in " << text;
            cell(game, row, column) = static_cast<uint8_t>(code);
        }
        ++row;
    }
}

void fillRows(GameState& game, int32_t first, int32_t last, std::string_view row) {
    for (int32_t r = first; r <= last; ++r) setTrackRows(game, r, {row});
}

uint8_t& cell(GameState& game, int32_t row, int32_t column) {
    return game.track.at(static_cast<size_t>(row * kTrackWidth + column));
}

double drawAfter(double seed, int32_t used) {
    GameRandom generator;
    generator.seed(seed);
    for (int32_t i = 0; i < used; ++i) generator.next();
    return generator.next();
}

TilePixel decodeTilePixel(uint32_t pixel) {
    return TilePixel{static_cast<int32_t>((pixel >> 16) & 0xFF), static_cast<int32_t>(pixel & 0xFF),
                     static_cast<int32_t>((pixel >> 8) & 0xFF)};
}

std::vector<ScreenPoint> recordedObstacles(const GameState& game) {
    std::vector<ScreenPoint> found;
    for (const ScreenPoint& point : game.obstacles) {
        if (point == ScreenPoint{-1, -1}) return found;
        found.push_back(point);
    }
    ADD_FAILURE() << "the obstacles table has no end marker";
    return found;
}

void WorldTest::SetUp() {
    OpenScreenTest::SetUp();
    seedRandom(1);
    game = std::make_unique<GameState>();
    createWorldImages(*game);
    loadShotPictures(game->shots);
    loadExplosionPicture(game->explosions);
    loadVehiclePictures(game->traffic);
    loadPlayerImages(*game);
    for (int32_t slot = 0; slot < kTileSlots; ++slot) {
        Image& tile = *game->tileSet[static_cast<size_t>(slot)];
        for (int32_t py = 0; py < kTileSize; ++py) {
            for (int32_t px = 0; px < kTileSize; ++px) {
                tile.row(py)[px] = 0xFF000000u | static_cast<uint32_t>(slot << 16 | py << 8 | px);
            }
        }
    }
    game->trackWidth = kTrackWidth;
    game->trackRows = kTrackRows;
    game->spanners.fill(Spanner{-1, 0});
    game->obstacles[0] = ScreenPoint{-1, -1};
}

Vehicle& WorldTest::putVehicle(int32_t slot, int32_t kind, int32_t lane, int32_t x, int32_t y) {
    Vehicle& vehicle = game->traffic.vehicles.at(static_cast<size_t>(slot));
    vehicle = Vehicle{};
    vehicle.kind = kind;
    vehicle.lane = lane;
    vehicle.heading = lane <= kLastUpLane ? -1 : 1;
    vehicle.moving = 1;
    vehicle.hitPoints = 1;
    vehicle.column = x / kTileSize;
    vehicle.offsetX = x % kTileSize;
    // Up lanes count offsetY from 0 down to -31, down lanes from 0 up to 31.
    const int32_t trackY = y - game->scrollOffset + (game->trackRows - game->scrollRow) * kTileSize;
    vehicle.row = trackY / kTileSize;
    vehicle.offsetY = trackY % kTileSize;
    if (vehicle.heading < 0 && vehicle.offsetY > 0) {
        ++vehicle.row;
        vehicle.offsetY -= kTileSize;
    }
    return vehicle;
}

int32_t WorldTest::liveShots() const {
    int32_t live = 0;
    for (const Shot& shot : game->shots.shots) live += shot.active;
    return live;
}

}  // namespace kestrway::test
