// The player's control step: gear latches, collisions tested at the car's
// speed with edges counting, steering with its side tests, and firing.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/timing.h"
#include "player/player.h"
#include "support/test_track.h"

namespace kestrway::test {
namespace {

// The car stands at (192, 320): its contact box is 197 to 219 across and
// 320 to 352 down, edges included; an obstacle's is 32 square.
class PlayerControl : public WorldTest {
  protected:
    // One control step with these keys held.
    void step(std::initializer_list<int32_t> keys = {}) {
        const double now = headless::virtualSeconds();
        for (int32_t key : keys) headless::holdKey(key, now, now + 0.015);
        sleepMs(10);
        updatePlayer(*game);
    }
};

TEST_F(PlayerControl, EachPressChangesTheGearOnceBetweenMinus2And3) {
    for (int32_t i = 0; i < 5; ++i) step({kScanUp});
    EXPECT_EQ((std::array{game->playerGear, game->playerSpeed}), (std::array{1, 1}));
    for (int32_t press = 0; press < 4; ++press) {
        step({kScanUp});
        step();
    }
    EXPECT_EQ((std::array{game->playerGear, game->playerSpeed}), (std::array{3, 4}));
    step({kScanUp, kScanDown});  // Up finds the limit first, then Down counts
    EXPECT_EQ(game->playerGear, 2);
    for (int32_t press = 0; press < 5; ++press) {
        step();
        step({kScanDown});
    }
    EXPECT_EQ((std::array{game->playerGear, game->playerSpeed}), (std::array{-2, -2}));
}

TEST_F(PlayerControl, ATreeAndAVehicleTouchingTheCarAtItsSpeedBothDamageIt) {
    game->playerGear = 3;                          // tested 4 pixels ahead
    game->obstacles.fill(ScreenPoint{600, -400});  // no end marker: the walk ends with the table
    game->obstacles[272] = ScreenPoint{192, 320 - 4 - 33};
    const Vehicle& car = putVehicle(0, kCivilian1, 1, 192, 320 - 4 - 33);
    step();  // both one pixel short
    EXPECT_EQ((std::array{game->damageLevel, car.moving}), (std::array{0, 1}));
    game->obstacles[272].y += 1;
    putVehicle(0, kCivilian1, 1, 192, 320 - 4 - 32);
    step();
    EXPECT_EQ((std::array{game->damageLevel, game->playerGear, game->playerSpeed, car.moving}),
              (std::array{2, 0, 0, 0}));
    game->obstacles[100] = ScreenPoint{-1, -1};  // nothing past the end marker counts
    EXPECT_FALSE(hitsObstacle(*game, 192, 320 - 4));
}

TEST_F(PlayerControl, SteeringMovesTwoPixelsWhileMovingUnlessTheSideTestTouches) {
    step({kScanRight});
    EXPECT_EQ(game->playerX, 192);  // standing still
    game->playerGear = 1;
    game->obstacles[0] =
        ScreenPoint{192 - 29, 320};  // its right edge, 195, stops a left step from 192
    game->obstacles[1] = ScreenPoint{-1, -1};
    step({kScanLeft});
    EXPECT_EQ(game->playerX, 192);
    step({kScanLeft, kScanRight});  // left is tested from where right moved the car
    EXPECT_EQ(game->playerX, 192);
    step({kScanRight});
    EXPECT_EQ(game->playerX, 194);
    // Both side tests run whatever the keys and stop the vehicles beside the car.
    const Vehicle& right = putVehicle(0, kCivilian1, 1, 194 + 24, 320);
    const Vehicle& left = putVehicle(1, kTank, 1, 194 - 24, 320);
    game->obstacles[0] = ScreenPoint{-1, -1};
    step();
    EXPECT_EQ((std::array{right.moving, left.moving, game->playerX, game->damageLevel}),
              (std::array{0, 0, 194, 0}));
}

TEST_F(PlayerControl, HeldSpaceFiresEveryEleventhFrameAndAFullTableStillReloads) {
    std::vector<int32_t> firedOn;
    for (int32_t frame = 0; frame < 34; ++frame) {
        step({kScanSpace});
        if (game->controls.fireCooldown == 10) firedOn.push_back(frame);
    }
    EXPECT_EQ(firedOn, (std::vector<int32_t>{0, 11, 22, 33}));
    const Shot& shot = game->shots.shots[0];
    EXPECT_EQ((std::array{shot.x, shot.y, shot.dy, shot.owner, shot.picture}),
              (std::array{200, 320, -8, 0, 0}));
    game->controls.fireCooldown = 0;
    for (Shot& live : game->shots.shots) live.active = 1;
    step({kScanSpace});
    EXPECT_EQ(game->controls.fireCooldown, 10);
}

}  // namespace
}  // namespace kestrway::test
