// Explosions: the slot table, 21 frames of a growing ring, the diagonal
// rounding and riding with the road.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "actors/explosions.h"
#include "platform/image.h"
#include "platform/screen.h"
#include "state/world_tables.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

class ExplosionsTest : public OpenScreenTest {
protected:
    void SetUp() override {
        OpenScreenTest::SetUp();
        loadExplosionPicture(explosions);
    }
    int32_t running() const {
        int32_t count = 0;
        for (const Explosion& explosion : explosions.explosions) count += explosion.active;
        return count;
    }
    Explosions explosions;
};

TEST(DiagonalDistance, ThreeQuartersOfTheRadiusWithHalvesToEven) {
    const int32_t expected[21] = {0, 1, 2, 2, 3, 4, 4, 5, 6, 7, 8, 8, 9, 10, 10, 11, 12, 13, 14, 14, 15};
    for (int32_t r = 0; r <= 20; ++r) EXPECT_EQ(diagonalDistance(r), expected[r]) << r;
}

TEST_F(ExplosionsTest, EachCopyStandsOnTheRingAtTheDiagonalDistance) {
    // A picture with one visible pixel, so every copy marks its top-left.
    explosions.picture = createImage(16, 16, kMaskColour);
    explosions.picture->row(0)[0] = 0xFFFFFFFF;
    startExplosion(explosions, 200, 200);
    explosions.explosions[0].radius = 14;
    clearScreen();
    drawExplosions(explosions, 3);
    std::set<std::pair<int32_t, int32_t>> marked;
    for (int32_t y = 150; y < 260; ++y) {
        for (int32_t x = 150; x < 260; ++x) {
            if ((pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) marked.insert({x, y});
        }
    }
    const int32_t cy = 203;  // moved with the road before drawing
    const std::set<std::pair<int32_t, int32_t>> expected = {
        {186, cy}, {214, cy}, {200, cy - 14}, {200, cy + 14},
        {210, cy + 10}, {210, cy - 10}, {190, cy - 10}, {190, cy + 10}};
    EXPECT_EQ(marked, expected);
    EXPECT_EQ(explosions.explosions[0].radius, 15);
}

TEST_F(ExplosionsTest, AnExplosionIsDrawnIn21FramesAndRidesWithTheRoad) {
    startExplosion(explosions, 100, 50);
    int32_t frames = 0;
    while (explosions.explosions[0].active == 1 && frames < 100) {
        drawExplosions(explosions, 2);
        ++frames;
    }
    EXPECT_EQ(frames, 21);
    EXPECT_EQ(explosions.explosions[0].y, 50 + 2 * 21);
    EXPECT_EQ(explosions.explosions[0].x, 100);
}

TEST_F(ExplosionsTest, SixSlotsAtMostThenNewOnesAreDropped) {
    startExplosion(explosions, 1, 1);
    for (int32_t i = 0; i < 5; ++i) startExplosion(explosions, 10 + i, 10);
    EXPECT_EQ(running(), 6);
    startExplosion(explosions, 999, 999);
    for (const Explosion& explosion : explosions.explosions) EXPECT_NE(explosion.x, 999);

    // A freed slot is reused before the later ones, with a fresh radius.
    drawExplosions(explosions, 0);
    explosions.explosions[2].active = 0;
    startExplosion(explosions, 77, 88);
    EXPECT_EQ(explosions.explosions[2].x, 77);
    EXPECT_EQ(explosions.explosions[2].radius, 0);
    clearExplosions(explosions);
    EXPECT_EQ(running(), 0);
}

}  // namespace
}  // namespace kestrway
