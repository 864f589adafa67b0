// The player's tests against the road world and the enemy shots that reach
// the car: the tile under a point, spanner and contact boxes with their edges.
#include <gtest/gtest.h>

#include "actors/traffic_test_world.h"
#include "platform/screen.h"

namespace kestrway::test {
namespace {

using PlayerWorld = TrafficWorldTest;

TEST_F(PlayerWorld, TileUnderAScreenPointFollowsTheScrollAndEndsAtTheTrack) {
    setCell(*game, 384, 0, kTree);
    setCell(*game, 399, 15, kWater);
    setCell(*game, 398, 15, kRoad2);
    EXPECT_EQ(tileAtScreen(*game, 0, 0), kTree);
    EXPECT_EQ(tileAtScreen(*game, 511, 511), kWater);
    EXPECT_EQ(tileAtScreen(*game, 511, 479), kRoad2);
    EXPECT_EQ(tileAtScreen(*game, 512, 100), -1);
    EXPECT_EQ(tileAtScreen(*game, -1, 100), -1);
    EXPECT_EQ(tileAtScreen(*game, 0, 512), -1);  // below the last row

    game->scrollOffset = 5;  // the road moved 5 pixels down the screen
    EXPECT_EQ(tileAtScreen(*game, 0, 4), kGrass);
    EXPECT_EQ(tileAtScreen(*game, 0, 5), kTree);

    game->scrollRow = 399;
    game->scrollOffset = 0;
    setCell(*game, 0, 3, kTower);
    EXPECT_EQ(tileAtScreen(*game, 96, -32), kTower);
    EXPECT_EQ(tileAtScreen(*game, 96, -33), -1);  // above row 0
}

TEST_F(PlayerWorld, SpannerBoxIsSixteenAcrossAndThirtyTwoDown) {
    // At the start view a spanner at track y 176 is drawn at screen y 336.
    const Spanner spanner{200, 176};
    auto collects = [&](int32_t x, int32_t y) {
        game->spanners[0] = spanner;
        return collectSpannerAt(*game, x, y);
    };
    EXPECT_EQ(collects(200, 336), 1);
    EXPECT_EQ(game->spanners[0].x, -1);
    EXPECT_EQ(collects(215, 367), 1);
    EXPECT_EQ(collects(199, 340), 0);
    EXPECT_EQ(collects(216, 340), 0);
    EXPECT_EQ(collects(205, 335), 0);
    EXPECT_EQ(collects(205, 368), 0);
    EXPECT_EQ(game->spanners[0].x, 200);

    game->spanners[0].x = -1;  // collected spanners are never found again
    EXPECT_EQ(collectSpannerAt(*game, -1, 336), 0);
}

TEST_F(PlayerWorld, ObstacleBoxesTouchingAtAnEdgeCount) {
    game->obstacles[1] = ScreenPoint{-1, -1};
    auto hitsWith = [&](int32_t ox, int32_t oy) {
        game->obstacles[0] = ScreenPoint{ox, oy};
        return hitsObstacle(*game, 192, 320);
    };
    // The car's box is 197 to 219 across and 320 to 352 down.
    EXPECT_TRUE(hitsWith(219, 320));
    EXPECT_FALSE(hitsWith(220, 320));
    EXPECT_TRUE(hitsWith(197 - 32, 320));
    EXPECT_FALSE(hitsWith(196 - 32, 320));
    EXPECT_TRUE(hitsWith(192, 352));
    EXPECT_FALSE(hitsWith(192, 353));
    EXPECT_TRUE(hitsWith(192, 320 - 32));
    EXPECT_FALSE(hitsWith(192, 319 - 32));
}

TEST_F(PlayerWorld, ObstacleWalkStopsAtTheMarkerOrTheTableEnd) {
    // A screen full of trees and towers records far more than 101 entries.
    const ScreenPoint far{600, -400};
    for (ScreenPoint& obstacle : game->obstacles) obstacle = far;
    EXPECT_FALSE(hitsObstacle(*game, 192, 320));  // no marker: stops at the end
    game->obstacles[200] = ScreenPoint{192, 320};
    EXPECT_TRUE(hitsObstacle(*game, 192, 320));
    game->obstacles[150] = ScreenPoint{-1, -1};
    EXPECT_FALSE(hitsObstacle(*game, 192, 320));
}

TEST_F(PlayerWorld, OnlyTheFirstTouchingVehicleIsStopped) {
    putVehicle(0, kNoVehicle, 1, 192, 320).moving = 1;
    Vehicle& first = putVehicle(3, kCivilian1, 1, 192 + 22, 320 + 32);
    Vehicle& second = putVehicle(7, kTank, 4, 192, 320);
    EXPECT_EQ(hitsVehicle(*game, 192, 320), 1);
    EXPECT_EQ(first.moving, 0);
    EXPECT_EQ(second.moving, 1);
    EXPECT_EQ(game->traffic.vehicles[0].moving, 1);

    putVehicle(3, kCivilian1, 1, 192 + 23, 320);
    putVehicle(7, kTank, 4, 192, 320 - 33);
    EXPECT_EQ(hitsVehicle(*game, 192, 320), 0);
}

class PlayerDrawing : public TrafficWorldTest {
protected:
    void SetUp() override {
        TrafficWorldTest::SetUp();
        paint(0, 0xFF0000FF);
        paint(1, 0xFFFF0000);
    }
    void paint(size_t slot, uint32_t colour) {
        Image* image = game->playerImages[slot].get();
        for (int32_t y = 0; y < kTileSize; ++y) {
            for (int32_t x = 0; x < kTileSize; ++x) image->row(y)[x] = colour;
        }
    }
};

TEST_F(PlayerDrawing, DrawsTheCarOrTheBoat) {
    // The screen keeps the colour bytes only.
    drawPlayer(*game);
    EXPECT_EQ(pixel(192, 320) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(pixel(223, 351) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_NE(pixel(224, 351) & 0xFFFFFFu, 0x0000FFu);
    game->playerVehicle = 1;
    drawPlayer(*game);
    EXPECT_EQ(pixel(200, 330) & 0xFFFFFFu, 0xFF0000u);
}

TEST_F(PlayerDrawing, EnemyShotInsideTheCarDamagesItOnce) {
    // Test points (x + 8, y + 8) on the box's edge, a player's own shot, then
    // two enemy shots inside of which one is used up.
    fireShot(game->shots, 192 + 32 - 16, 330, 1, 2, kEnemyShot);
    fireShot(game->shots, 192, 320 - 8, 1, 2, kEnemyShot);
    fireShot(game->shots, 192, 330, -1, 0, kPlayerShot);
    drawPlayer(*game);
    EXPECT_EQ(game->damageLevel, 0);
    EXPECT_EQ(liveShots(), 3);

    fireShot(game->shots, 190, 330, 1, 2, kEnemyShot);
    fireShot(game->shots, 191, 331, 1, 2, kEnemyShot);
    drawPlayer(*game);
    EXPECT_EQ(game->damageLevel, 1);
    EXPECT_EQ(liveShots(), 4);
    const Explosion& blast = game->explosions.explosions[0];
    EXPECT_EQ(blast.active, 1);
    EXPECT_EQ(blast.x, 200);
    EXPECT_EQ(blast.y, 328);
}

}  // namespace
}  // namespace kestrway::test
