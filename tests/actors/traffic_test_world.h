// A test world with traffic and the player's car: vehicles put straight into
// their slots at chosen screen positions, keys held for the next frame.
#pragma once

#include "actors/shots.h"
#include "actors/traffic.h"
#include "platform/headless/headless.h"
#include "platform/timing.h"
#include "player/player.h"
#include "support/test_track.h"

namespace kestrway::test {

class TrafficWorldTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        loadVehiclePictures(game->traffic);
        loadPlayerImages(*game);
        game->controls = PlayerControls{};
        clearShots(game->shots);
    }

    // Fills a slot with a moving vehicle of the given lane whose picture's
    // top-left lies at screen (x, y) for the current scroll.
    Vehicle& putVehicle(int32_t slot, int32_t kind, int32_t lane, int32_t x, int32_t y) {
        Vehicle& vehicle = game->traffic.vehicles.at(static_cast<size_t>(slot));
        vehicle = Vehicle{};
        vehicle.kind = kind;
        vehicle.lane = lane;
        vehicle.heading = lane <= kLastUpLane ? -1 : 1;
        vehicle.moving = 1;
        vehicle.hitPoints = 1;
        vehicle.column = x / kTileSize;
        vehicle.offsetX = x % kTileSize;
        // Track pixel row of the picture's top; up lanes count offsetY down from 0.
        const int32_t trackY =
            y - game->scrollOffset + (game->trackRows - game->scrollRow) * kTileSize;
        vehicle.row = trackY / kTileSize;
        vehicle.offsetY = trackY % kTileSize;
        if (vehicle.heading < 0 && vehicle.offsetY > 0) {
            ++vehicle.row;
            vehicle.offsetY -= kTileSize;
        }
        return vehicle;
    }

    // Keys held now are seen by the next frame: one presenter pass runs.
    static void holdForNextFrame(int32_t scanCode) {
        const double now = headless::virtualSeconds();
        headless::holdKey(scanCode, now, now + 0.015);
    }
    static void nextPass() { sleepMs(10); }

    int32_t liveShots() const {
        int32_t live = 0;
        for (const Shot& shot : game->shots.shots) live += shot.active;
        return live;
    }
};

}  // namespace kestrway::test
