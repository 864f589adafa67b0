// The scripted player's choices, made from the state the window would show.
#include "runs/road_bot.h"

#include <cstdlib>
#include <limits>

#include "actors/traffic.h"
#include "platform/headless/headless.h"
#include "platform/input_tap.h"
#include "platform/keyboard.h"
#include "player/player.h"

namespace kestrway {

namespace {

constexpr double kPass = 0.01;
// A key held to just past the next pass is down at that pass only.
constexpr double kHold = 0.011;
constexpr double kSpaceEvery = 0.3;
// Passes without a frame before the player takes it for a still screen.
constexpr int32_t kStillPasses = 30;
constexpr int32_t kLookSteps = 12;
constexpr int32_t kLookStep = 8;
constexpr int32_t kWidestSwerve = 64;

void hold(int32_t scanCode, double now) {
    headless::holdKey(scanCode, now, now + kHold);
}

bool drivable(int32_t tile) {
    return tile == kRoad1 || tile == kRoad2 || tile == kWater || tile == kStartLine ||
           (tile >= kCorner1 && tile <= kCorner4);
}

// How much the player dislikes being dx pixels across from where the car is
// now, judged over the next hundred pixels of road.
int32_t laneCost(const GameState& game, int32_t dx) {
    const int32_t x = game.playerX + dx;
    int32_t cost = std::abs(dx);
    for (int32_t step = 1; step <= kLookSteps; ++step) {
        const int32_t y = game.playerY - step * kLookStep;
        if (hitsObstacle(game, x, y)) cost += 4000 / step;
        if (!drivable(tileAtScreen(game, x + 16, y + 16))) cost += 60 / step + 4;
        if (tileAtScreen(game, x + 16, y + 16) == kWater) cost -= 2;
    }
    for (const Vehicle& vehicle : game.traffic.vehicles) {
        if (vehicle.kind == kNoVehicle) continue;
        const ScreenPoint at = vehicleScreenPosition(game, vehicle);
        const int32_t ahead = game.playerY - at.y;
        const bool inLine = std::abs(at.x - x) < 30;
        if (!inLine || ahead < -40) continue;
        // Too close to pass through; far enough ahead, a tank in line is
        // a target.
        if (ahead < 120) cost += 3000;
        if (vehicle.kind == kTank && ahead >= 120 && ahead < 320) cost -= 150;
    }
    const int32_t travelled = kTileSize * game.scrollRow + game.scrollOffset;
    for (const Spanner& spanner : game.spanners) {
        if (spanner.x == -1) continue;
        const int32_t ahead = game.playerY - (travelled - spanner.y);
        if (ahead > 0 && ahead < 240 && std::abs(spanner.x - (x + 8)) < 10) cost -= 400;
    }
    return cost;
}

// A careful player holds fire while a civilian car is in the line of fire.
bool civilianInLine(const GameState& game) {
    for (const Vehicle& vehicle : game.traffic.vehicles) {
        if (vehicle.kind == kNoVehicle || vehicle.kind == kTank) continue;
        const ScreenPoint at = vehicleScreenPosition(game, vehicle);
        const int32_t ahead = game.playerY - at.y;
        if (std::abs(at.x - game.playerX) < 36 && ahead > -16 && ahead < 400) return true;
    }
    return false;
}

}  // namespace

void RoadBot::onPass(const GameState& game) {
    const double now = headless::virtualSeconds();
    const bool inGame = inputTap() != nullptr;
    if (inGame_ && !inGame) tallies_.push_back(observer_.tally());
    if (!inGame) {
        inGame_ = false;
        if (tallies_.size() >= plans_.size()) {
            if (!closed_) headless::pressCloseButton(now + kPass / 2);
            closed_ = true;
        } else if (now >= nextSpace_) {
            headless::typeKey(' ', now);
            nextSpace_ = now + kSpaceEvery;
        }
        return;
    }
    if (!inGame_) {
        inGame_ = true;
        ending_ = false;
        observer_ = RunObserver{};
        gameStart_ = now;
    }
    observer_.observe(game);
    const bool inPlay = game.frameCounter != lastFrameCounter_;
    lastFrameCounter_ = game.frameCounter;
    if (!inPlay) {
        if (++stillPasses_ > kStillPasses && now >= nextSpace_) {
            headless::typeKey(' ', now);
            nextSpace_ = now + kSpaceEvery;
        }
        return;
    }
    stillPasses_ = 0;
    const GamePlan& plan = plans_[tallies_.size()];
    if (ending_) return;
    if (plan.close != GameClose::kDestroyed && plan.enough(observer_.tally(), now - gameStart_)) {
        ending_ = true;
        if (plan.close == GameClose::kEscape) {
            headless::holdKey(kScanEscape, now, now + 5 * kPass);
        } else {
            headless::pressCloseButton(now + kPass / 2);
        }
        return;
    }
    drive(game, now, plan.careful);
}

void RoadBot::drive(const GameState& game, double now, bool careful) {
    const int32_t gear = careful ? 2 : 3;
    if (game.playerGear < gear && game.controls.upKeyLatch == 0) hold(kScanUp, now);
    if (game.playerGear > gear && game.controls.downKeyLatch == 0) hold(kScanDown, now);
    if (!careful) {
        hold(kScanSpace, now);
        return;
    }
    if (!civilianInLine(game)) hold(kScanSpace, now);
    int32_t best = 0;
    int32_t bestCost = std::numeric_limits<int32_t>::max();
    for (int32_t dx = -kWidestSwerve; dx <= kWidestSwerve; dx += 4) {
        const int32_t cost = laneCost(game, dx);
        if (cost < bestCost) {
            bestCost = cost;
            best = dx;
        }
    }
    if (best > 0) hold(kScanRight, now);
    if (best < 0) hold(kScanLeft, now);
}

RunTally RoadBot::total() const {
    RunTally sum;
    for (const RunTally& game : tallies_) sum += game;
    return sum;
}

}  // namespace kestrway
