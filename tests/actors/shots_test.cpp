// Shots and rockets: lifetime and the play area, and the hit tests' strict
// edges and slot order.
#include "actors/shots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/screen.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

class ShotsTest : public OpenScreenTest {
  protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        loadShotPictures(shots);
    }
    Shots shots;
};

TEST_F(ShotsTest, APlayersShotIsDrawnThenMovedAndRetiresByAgeOrPastTheTop) {
    shots.pictures[0] = createImage(16, 16, 0xFF00AA00);
    for (const auto& [speed, draws] : {std::pair{4, kShotLifetime}, std::pair{0, 45}}) {
        clearScreen();
        fireShot(shots, 192, 320, -1, 0, kPlayerShot);
        int32_t drawn = 0;
        for (; shots.shots[0].active == 1 && drawn < 100; ++drawn) drawAndMoveShots(shots, speed);
        EXPECT_EQ(drawn, draws);
        EXPECT_EQ(shots.shots[0].y, 320 - (8 - speed) * draws);
        EXPECT_EQ(pixel(200, 320 + 15) & 0xFFFFFF, 0x00AA00u) << "first drawn where it started";
    }
}

TEST_F(ShotsTest, ThePlayAreaRunsFromMinus32To512OnBothAxes) {
    // Each shot one move before an edge: kept when it lands on it, retired past it.
    fireSideShot(shots, 500, 100, +1, kEnemyShot);  // x 508 -> 512
    fireSideShot(shots, 501, 100, +1, kEnemyShot);  // x 509 -> 513, though the screen is wider
    fireSideShot(shots, -36, 100, -1, kEnemyShot);  // x -28 -> -32
    fireSideShot(shots, -37, 100, -1, kEnemyShot);
    fireShot(shots, 0, 508, +1, 2, kEnemyShot);  // y 508 -> 512, below the screen
    fireShot(shots, 0, 509, +1, 2, kEnemyShot);
    fireShot(shots, 0, -28, -1, 1, kEnemyShot);  // y -28 -> -32
    fireShot(shots, 0, -29, -1, 1, kEnemyShot);
    drawAndMoveShots(shots, 0);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(shots.shots[i].active, i % 2 == 0 ? 1 : 0) << i;
}

TEST_F(ShotsTest, HitTestPointsMustLieStrictlyInsideTheBox) {
    // Box (100, 100, 32, 32): inside is 101 to 131 both ways. A player's shot
    // at (x, y) is tested at (x + 1, y + 8) and (x + 14, y + 8), an enemy
    // round at (x + 8, y + 8); only enemy rounds hurt the player.
    struct Case {
        int32_t owner, x, y, hit;
    };
    const Case cases[] = {
        {kPlayerShot, 110, 92, 0},  {kPlayerShot, 110, 93, 1}, {kPlayerShot, 110, 124, 0},
        {kPlayerShot, 110, 123, 1}, {kPlayerShot, 86, 93, 0},  {kPlayerShot, 87, 93, 1},
        {kPlayerShot, 131, 93, 0},  {kPlayerShot, 130, 93, 1}, {kEnemyShot, 92, 110, 0},
        {kEnemyShot, 93, 110, 2},   {kEnemyShot, 124, 110, 0}, {kEnemyShot, 123, 110, 2},
        {kEnemyShot, 110, 124, 0},  {kEnemyShot, 110, 92, 0},  {7, 110, 110, 0}};
    for (const Case& c : cases) {
        shots.shots[0] = Shot{1, c.x, c.y, 0, 0, c.owner, 0, 0};
        EXPECT_EQ(shotHitsBox(shots, 100, 100, 32, 32), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(shots.shots[0].active, c.hit == 0 ? 1 : 0) << "a hit uses the shot up";
        shots.shots[0].active = 1;
        EXPECT_EQ(enemyShotHitsBox(shots, 100, 100, 32, 32), c.hit == 2 ? 1 : 0);
    }

    // One shot at a time, the lowest slot first; a freed slot is fired into first.
    clearShots(shots);
    fireSideShot(shots, 100, 100, 1, kEnemyShot);
    fireShot(shots, 100, 100, -1, 0, kPlayerShot);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 2);
    EXPECT_EQ(shots.shots[1].active, 1);
    fireShot(shots, 100, 100, -1, 0, kPlayerShot);
    EXPECT_EQ(shots.shots[0].owner, kPlayerShot);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 1);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 1);
    EXPECT_EQ(shotHitsBox(shots, 90, 90, 40, 40), 0);
    // The table holds 41 live shots; a shot fired into a full table is lost.
    for (int32_t i = 0; i < 50; ++i) fireShot(shots, i, 100, -1, 0, kPlayerShot);
    EXPECT_EQ(std::count_if(std::begin(shots.shots), std::end(shots.shots),
                            [](const Shot& shot) { return shot.active == 1; }),
              41);
}

}  // namespace
}  // namespace kestrway
