// A stage played frame by frame through the real frame loop on a hand-made
// track, with keys scripted by frame number.
#pragma once

#include <functional>

#include "actors/explosions.h"
#include "actors/traffic_test_world.h"
#include "game/frame_loop.h"
#include "world/road.h"

namespace kestrway::test {

class StageScenario : public TrafficWorldTest {
protected:
    // The stage start after the track is laid: traffic placed (then emptied
    // when the road must be clear), tables cleared, player and scroll reset.
    void startStage(bool withTraffic) {
        spawnTraffic(*game);
        if (!withTraffic) {
            for (Vehicle& vehicle : game->traffic.vehicles) vehicle.kind = kNoVehicle;
        }
        clearExplosions(game->explosions);
        clearShots(game->shots);
        resetPlayer(*game);
        resetScroll(*game);
        game->stageComplete = 0;
        scrollAndDrawRoad(*game);  // the first view, as behind Get Ready
        // Frame 0 reads its keys from the pass after the next 10 ms sleep.
        start_ = headless::virtualSeconds() + 0.010;
        firstPassDue_ = true;
    }

    // Frames first..last (counted from 0) see the key held.
    void holdDuringFrames(int32_t scanCode, int32_t first, int32_t last) const {
        headless::holdKey(scanCode, start_ + 0.010 * first - 0.002, start_ + 0.010 * last + 0.005);
    }
    void pressOnFrame(int32_t scanCode, int32_t frame) const {
        holdDuringFrames(scanCode, frame, frame);
    }

    // Plays until the stage ends or the limit; returns the frames played.
    // afterFrame sees the state after each frame.
    int32_t play(int32_t limit, const std::function<void(int32_t)>& afterFrame = {}) {
        if (firstPassDue_) {
            sleepMs(10);
            firstPassDue_ = false;
        }
        int32_t frame = 0;
        while (frame < limit) {
            const int32_t reason = playFrame(*game, run);
            if (afterFrame) afterFrame(frame);
            ++frame;
            if (reason != kKeepPlaying) break;
        }
        return frame;
    }

    StageRun run;

private:
    double start_ = 0.0;
    bool firstPassDue_ = false;
};

}  // namespace kestrway::test
