// Explosions: eight copies on a ring at the diagonal rounding, riding with
// the road for 21 frames.
#include "actors/explosions.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

#include "platform/image.h"
#include "platform/screen.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

TEST(Explosions, DiagonalDistanceIsThreeQuartersOfTheRadiusWithHalvesToEven) {
    const int32_t expected[21] = {0, 1, 2,  2,  3,  4,  4,  5,  6,  7, 8,
                                  8, 9, 10, 10, 11, 12, 13, 14, 14, 15};
    for (int32_t r = 0; r <= 20; ++r) EXPECT_EQ(diagonalDistance(r), expected[r]) << r;
}

using ExplosionDrawing = OpenScreenTest;

TEST_F(ExplosionDrawing, CopiesStandOnTheRingAndRideWithTheRoadFor21Frames) {
    Explosions explosions;
    // One visible pixel, so every copy marks its top-left.
    explosions.picture = createImage(16, 16, kMaskColour);
    explosions.picture->row(0)[0] = 0xFFFFFFFF;
    startExplosion(explosions, 200, 200);
    int32_t frames = 0;
    for (; explosions.explosions[0].active == 1 && frames < 100; ++frames) {
        clearScreen();
        drawExplosions(explosions, 3);
        if (frames != 14) continue;
        std::set<std::pair<int32_t, int32_t>> marked;
        for (int32_t y = 0; y < kScreenHeight; ++y) {
            for (int32_t x = 0; x < 512; ++x) {
                if ((pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) marked.insert({x, y});
            }
        }
        // Radius 14, diagonal 10, centre moved with the road before drawing.
        const int32_t y = 200 + 3 * 15;
        const std::set<std::pair<int32_t, int32_t>> ring = {
            {186, y},      {214, y},      {200, y - 14}, {200, y + 14},
            {210, y + 10}, {210, y - 10}, {190, y - 10}, {190, y + 10}};
        EXPECT_EQ(marked, ring);
    }
    EXPECT_EQ((std::array{frames, explosions.explosions[0].y}), (std::array{21, 200 + 3 * 21}));
}

}  // namespace
}  // namespace kestrway
