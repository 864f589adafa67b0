// Shots and rockets: the slot table, movement with the road, lifetime and
// play-area limits, and the two hit tests' strict boxes and slot order.
#include <gtest/gtest.h>

#include "actors/shots.h"
#include "platform/screen.h"
#include "state/world_tables.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

class ShotsTest : public OpenScreenTest {
protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        loadShotPictures(shots);
    }
    int32_t liveCount() const {
        int32_t count = 0;
        for (const Shot& shot : shots.shots) count += shot.active;
        return count;
    }
    Shots shots;
};

TEST_F(ShotsTest, FiringFillsTheLowestFreeSlotWithSpeedByOwner) {
    fireShot(shots, 192, 320, -1, 0, kPlayerShot);
    fireShot(shots, 100, 226, +1, 2, kEnemyShot);
    fireSideShot(shots, 168, 328, -1, kEnemyShot);
    const Shot& player = shots.shots[0];
    EXPECT_EQ(player.active, 1);
    EXPECT_EQ(player.x, 200);
    EXPECT_EQ(player.y, 320);
    EXPECT_EQ(player.dx, 0);
    EXPECT_EQ(player.dy, -8);
    EXPECT_EQ(player.age, 0);
    EXPECT_EQ(shots.shots[1].dy, 4);
    EXPECT_EQ(shots.shots[1].picture, 2);
    EXPECT_EQ(shots.shots[1].owner, kEnemyShot);
    const Shot& side = shots.shots[2];
    EXPECT_EQ(side.x, 176);
    EXPECT_EQ(side.dx, -4);
    EXPECT_EQ(side.dy, 0);
    EXPECT_EQ(side.picture, 3);

    shots.shots[1].active = 0;
    fireShot(shots, 0, 0, -1, 1, kEnemyShot);
    EXPECT_EQ(shots.shots[1].picture, 1);
    EXPECT_EQ(shots.shots[1].dy, -4);
    EXPECT_EQ(shots.shots[3].active, 0);
}

TEST_F(ShotsTest, AFullTableFiresNothingAndClearingFreesEverySlot) {
    for (int32_t i = 0; i < kShotSlots; ++i) fireShot(shots, i, 100, -1, 0, kPlayerShot);
    EXPECT_EQ(liveCount(), 41);
    const Shot last = shots.shots[40];
    fireSideShot(shots, 300, 300, 1, kEnemyShot);
    EXPECT_EQ(shots.shots[40].x, last.x);
    EXPECT_EQ(liveCount(), 41);
    clearShots(shots);
    EXPECT_EQ(liveCount(), 0);
}

TEST_F(ShotsTest, APlayersShotOnAMovingRoadClimbsSlowerAndRetiresByAge) {
    fireShot(shots, 192, 320, -1, 0, kPlayerShot);
    int32_t draws = 0;
    int32_t lastDrawnY = 0;
    while (shots.shots[0].active == 1 && draws < 100) {
        lastDrawnY = shots.shots[0].y;
        drawAndMoveShots(shots, 4);
        ++draws;
    }
    EXPECT_EQ(draws, kShotLifetime);
    EXPECT_EQ(lastDrawnY, 320 - 276);
}

TEST_F(ShotsTest, OnAStillRoadTheShotLeavesThroughTheTop) {
    fireShot(shots, 192, 320, -1, 0, kPlayerShot);
    int32_t draws = 0;
    while (shots.shots[0].active == 1 && draws < 100) {
        drawAndMoveShots(shots, 0);
        ++draws;
    }
    EXPECT_EQ(draws, 45);  // y 320 - 8 x 45 = -40 is the first value past -32
    EXPECT_EQ(shots.shots[0].y, -40);
}

TEST_F(ShotsTest, ThePlayAreaRunsFromMinus32To512OnBothAxes) {
    // Each shot is placed one move before the edge: sideways shots move x only.
    fireSideShot(shots, 500, 100, +1, kEnemyShot);   // x 508 -> 512: kept
    fireSideShot(shots, 501, 100, +1, kEnemyShot);   // x 509 -> 513: retired (the screen is wider)
    fireSideShot(shots, -36, 100, -1, kEnemyShot);   // x -28 -> -32: kept
    fireSideShot(shots, -37, 100, -1, kEnemyShot);   // x -29 -> -33: retired
    fireShot(shots, 0, 508, +1, 2, kEnemyShot);      // y 508 -> 512: kept, below the screen
    fireShot(shots, 0, 509, +1, 2, kEnemyShot);      // y 509 -> 513: retired
    fireShot(shots, 0, -28, -1, 1, kEnemyShot);      // y -28 -> -32: kept
    fireShot(shots, 0, -29, -1, 1, kEnemyShot);      // y -29 -> -33: retired
    drawAndMoveShots(shots, 0);
    const int32_t expected[] = {1, 0, 1, 0, 1, 0, 1, 0};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(shots.shots[i].active, expected[i]) << i;
    EXPECT_EQ(shots.shots[0].x, 512);
}

TEST_F(ShotsTest, AShotIsDrawnWhereItStartsBeforeItMoves) {
    shots.pictures[0] = createImage(16, 16, 0xFF00AA00);
    fireShot(shots, 92, 200, -1, 0, kPlayerShot);  // drawn at x 100
    drawAndMoveShots(shots, 0);
    EXPECT_EQ(pixel(100, 200) & 0xFFFFFF, 0x00AA00u);
    EXPECT_EQ(pixel(115, 215) & 0xFFFFFF, 0x00AA00u);
    EXPECT_NE(pixel(100, 192) & 0xFFFFFF, 0x00AA00u);
    EXPECT_EQ(shots.shots[0].y, 192);
    EXPECT_EQ(shots.shots[0].age, 1);
}

TEST_F(ShotsTest, PlayerShotsHitAtTheirEdgePointsStrictlyInsideTheBox) {
    // Box (100, 100, 32, 32): inside means x and y from 101 to 131. A
    // player's shot at (x, y) is tested at (x + 1, y + 8) and (x + 14, y + 8).
    fireShot(shots, 0, 0, -1, 0, kPlayerShot);
    Shot& shot = shots.shots[0];
    auto hitsAt = [&](int32_t x, int32_t y) {
        shot.active = 1;
        shot.x = x;
        shot.y = y;
        return shotHitsBox(shots, 100, 100, 32, 32);
    };
    EXPECT_EQ(hitsAt(110, 92), 0);        // middle row on the top edge
    EXPECT_EQ(hitsAt(110, 93), 1);
    EXPECT_EQ(shot.active, 0);            // used up
    EXPECT_EQ(hitsAt(110, 124), 0);       // middle row on the bottom edge
    EXPECT_EQ(hitsAt(100 - 14, 93), 0);   // right point on the left edge
    EXPECT_EQ(hitsAt(101 - 14, 93), 1);   // right point just inside
    EXPECT_EQ(hitsAt(132 - 1, 93), 0);    // left point on the right edge
    EXPECT_EQ(hitsAt(131 - 1, 93), 1);
}

TEST_F(ShotsTest, EnemyShotsHitAtTheirCentreAndOnlyThemHurtThePlayer) {
    fireShot(shots, 0, 0, -1, 0, kPlayerShot);
    Shot& player = shots.shots[0];
    player.x = 100;
    player.y = 100;  // its edge points are well inside the box
    EXPECT_EQ(enemyShotHitsBox(shots, 90, 90, 32, 32), 0);
    EXPECT_EQ(player.active, 1);

    fireSideShot(shots, 0, 0, 1, kEnemyShot);
    Shot& enemy = shots.shots[1];
    enemy.x = 90 + 32 - 8;  // centre x on the right edge
    enemy.y = 100;
    player.active = 0;
    EXPECT_EQ(enemyShotHitsBox(shots, 90, 90, 32, 32), 0);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 32, 32), 0);
    enemy.x -= 1;
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 32, 32), 2);
    EXPECT_EQ(enemy.active, 0);
    enemy.active = 1;
    EXPECT_EQ(enemyShotHitsBox(shots, 90, 90, 32, 32), 1);
    EXPECT_EQ(enemy.active, 0);
}

TEST_F(ShotsTest, TheLowerSlotIsUsedUpFirstOneAtATime) {
    fireSideShot(shots, 100, 100, 1, kEnemyShot);
    fireShot(shots, 100, 100, -1, 0, kPlayerShot);
    fireSideShot(shots, 100, 100, -1, kEnemyShot);
    shots.shots[0].owner = 7;  // an unknown owner is passed over
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 1);
    EXPECT_EQ(shots.shots[0].active, 1);
    EXPECT_EQ(shots.shots[1].active, 0);
    EXPECT_EQ(shots.shots[2].active, 1);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 2);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 0);
}

}  // namespace
}  // namespace kestrway
