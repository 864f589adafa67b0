// Traffic played through the real frame loop: a tank lined up with the car
// fires and is shot, and a busy bending road keeps every vehicle in bounds.
#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/random.h"
#include "player/stage_scenario.h"

namespace kestrway::test {
namespace {

using TrafficScenario = StageScenario;

TEST_F(TrafficScenario, TankLinedUpFiresUntilTheCarIsDestroyed) {
    for (int32_t row = 0; row < kTrackRows; ++row) setTrackRows(*game, row, {"...111111......."});
    startStage(false);
    // Column 6 is lane 4, driving down towards the car from 220 pixels above.
    Vehicle& tank = putVehicle(0, kTank, 4, 192, 100);
    std::vector<int32_t> hitFrames;
    const int32_t frames = play(1000, [&](int32_t frame) {
        if (game->damageLevel > static_cast<int32_t>(hitFrames.size())) hitFrames.push_back(frame);
    });
    // Traffic step k falls in frame 2k - 1 and moves the tank to 100 + k. It
    // is first within 200 pixels at step 21, then reloads for 20 steps. A
    // rocket drawn at y in frame f is at y + 4 (g - f + 1) after the moves of
    // frame g, and the car takes it once that passes 312.
    std::vector<int32_t> expected;
    for (int32_t rocket = 0; rocket < 5; ++rocket) {
        const int32_t step = 21 + 21 * rocket;
        const int32_t firedIn = 2 * step - 1;
        const int32_t startY = 100 + step + 26;
        expected.push_back(firedIn - 1 + (313 - startY + 3) / 4);
    }
    EXPECT_EQ(hitFrames, expected);
    EXPECT_EQ(frames, expected.back() + 1);
    EXPECT_EQ(run.endReason, kPlayerDestroyed);
    EXPECT_EQ(game->score, 0);
    EXPECT_EQ(tank.moving, 1);
    EXPECT_EQ(vehicleScreenPosition(*game, tank).y, 100 + frames / 2);
}

TEST_F(TrafficScenario, HeadOnCollisionStopsBothWhateverTheTiming) {
    // A civilian driving down closes in by 9 pixels every two frames; ten
    // start heights and both traffic phases meet the car at every offset.
    // The first contact costs a point, stops the car and stops the vehicle.
    for (int32_t phase = 0; phase < 2; ++phase) {
        for (int32_t startY = 150; startY < 160; ++startY) {
            for (int32_t row = 0; row < kTrackRows; ++row) {
                setTrackRows(*game, row, {"...111111......."});
            }
            game->trafficPhase = phase;
            startStage(false);
            run = StageRun{};
            Vehicle& car = putVehicle(0, kCivilian1, 4, 192, startY);
            game->playerGear = 3;
            int32_t firstHit = -1;
            play(60, [&](int32_t frame) {
                if (firstHit < 0 && game->damageLevel > 0) {
                    firstHit = frame;
                    EXPECT_EQ(game->damageLevel, 1) << "phase " << phase << " y " << startY;
                    EXPECT_EQ(game->playerGear, 0);
                    EXPECT_EQ(car.moving, 0);
                }
            });
            ASSERT_GE(firstHit, 0) << "phase " << phase << " y " << startY;
        }
    }
}

TEST_F(TrafficScenario, PlayersShotDestroysTheTankButItsRocketIsAlreadyOnItsWay) {
    for (int32_t row = 0; row < kTrackRows; ++row) setTrackRows(*game, row, {"...111111......."});
    startStage(false);
    putVehicle(0, kTank, 4, 192, 150);
    holdDuringFrames(kScanSpace, 0, 0);
    int32_t destroyedIn = -1;
    play(100, [&](int32_t frame) {
        if (destroyedIn < 0 && game->traffic.vehicles[0].kind == kNoVehicle) destroyedIn = frame;
    });
    // The shot climbs 8 a frame from 320; in frame 19 its test row, 176, is
    // inside the tank's box, 160 to 192.
    EXPECT_EQ(destroyedIn, 19);
    EXPECT_EQ(game->score, 10);
    EXPECT_EQ(game->damageLevel, 1);
    EXPECT_EQ(run.endReason, kKeepPlaying);
}

// A road that bends one column every few rows and splits around a verge.
void layBendingRoad(GameState& game) {
    const char* const pattern[] = {
        "...1111.........", "...1111.........", "....1111........", "....1111........",
        ".....1111.......", ".....11.11......", "....11..11......", "....1111........",
    };
    for (int32_t row = 0; row < kTrackRows; ++row) {
        setTrackRows(game, row, {pattern[(row / 4) % 8]});
    }
}

TEST_F(TrafficScenario, BusyBendingRoadKeepsEveryVehicleOnTheTrack) {
    layBendingRoad(*game);
    seedRandom(5);
    startStage(true);
    // Drive in second gear weaving left and right, firing all the way.
    pressOnFrame(kScanUp, 0);
    pressOnFrame(kScanUp, 2);
    holdDuringFrames(kScanSpace, 0, 1999);
    for (int32_t frame = 10; frame < 2000; frame += 80) {
        holdDuringFrames(kScanLeft, frame, frame + 19);
        holdDuringFrames(kScanRight, frame + 40, frame + 59);
    }
    int32_t laneChangesSeen = 0;
    bool inBounds = true;
    play(2000, [&](int32_t) {
        for (const Vehicle& vehicle : game->traffic.vehicles) {
            if (vehicle.kind == kNoVehicle) continue;
            const bool up = vehicle.lane <= kLastUpLane;
            inBounds = inBounds && vehicle.column >= 0 && vehicle.column < kTrackWidth &&
                       vehicle.row >= 0 && vehicle.row < kTrackRows &&
                       vehicle.offsetX > -32 && vehicle.offsetX < 32 &&
                       (up ? vehicle.offsetY <= 0 && vehicle.offsetY > -32
                           : vehicle.offsetY >= 0 && vehicle.offsetY < 32);
            laneChangesSeen += vehicle.sideStep != 0 ? 1 : 0;
        }
    });
    EXPECT_TRUE(inBounds);
    EXPECT_GT(laneChangesSeen, 0);
    EXPECT_EQ(game->traffic.vehicles[100].kind, kNoVehicle);
}

}  // namespace
}  // namespace kestrway::test
