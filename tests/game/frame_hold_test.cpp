// Whole games on the headless backend with the window left, minimised or
// paused during play: nothing of the game moves on while its frames are
// held, play goes on exactly where it stopped, and the pause key does
// nothing on the still screens.
#include "platform/frame_hold.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

// Into play at 0.2 s, two gears up so the road and the traffic move; the
// snapshots are taken at the first pass at or after each asked time.
struct PlayedGame {
    std::map<double, std::vector<uint8_t>> snapshots;
    std::vector<double> heldPasses;  // times of passes with frames held
    double endedAt = 0;
};

PlayedGame play(const std::function<void()>& script, std::vector<double> at, double closeAt) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    headless::holdKey(kScanUp, 0.3, 0.35);
    headless::holdKey(kScanUp, 0.5, 0.55);
    script();
    headless::pressCloseButton(closeAt);
    PlayedGame played;
    EXPECT_EQ(harness.run([&](GameState& game) {
        const double now = headless::virtualSeconds();
        if (framesHeld()) played.heldPasses.push_back(now);
        for (const double time : at) {
            if (now >= time - 1e-9 && played.snapshots.count(time) == 0) {
                played.snapshots[time] = fingerprint(game, false);
            }
        }
        // Every pass while held must see exactly what the hold began with.
        if (framesHeld() && played.snapshots.count(1.0) != 0) {
            EXPECT_EQ(fingerprint(game, false), played.snapshots[1.0])
                << "moved while held at " << now;
        }
    }),
              0);
    played.endedAt = headless::virtualSeconds();
    return played;
}

// Away from 1.0 s to 6.0 s: 500 passes of 10 ms. Leaving the window,
// minimising it and pausing with the key all hold the same way, and the
// close button ends a held game at once, as in play. P on the title and on
// Get Ready, even in the pass that ends it, neither pauses them nor carries a
// pause into play.
TEST(FrameHold, FiveHundredFramesAwayChangeNothingAndPlayGoesOnWhereItStopped) {
    const PlayedGame unheld = play(
        [] {
            // The last one in the pass that ends Get Ready, after its last key-wait sleep began.
            for (const double at : {0.05, 0.15, 0.21}) headless::pressPauseKey(at);
        },
        {1.0, 2.0}, 2.5);
    ASSERT_NE(unheld.snapshots.at(1.0), unheld.snapshots.at(2.0)) << "the game must be moving";
    EXPECT_TRUE(unheld.heldPasses.empty());
    const struct {
        const char* what;
        std::function<void(double)> away;
    } ways[] = {{"focus lost", headless::changeFocus},
                {"minimised", headless::toggleMinimised},
                {"pause key", headless::pressPauseKey}};
    for (const auto& way : ways) {
        const auto awayFrom1To6 = [&] {
            way.away(1.0);
            way.away(6.0);
        };
        const PlayedGame held = play(awayFrom1To6, {1.0, 7.0}, 7.5);
        EXPECT_EQ(held.snapshots.at(1.0), unheld.snapshots.at(1.0)) << way.what;
        // Held from the pass at 1.0 s to the one before 6.0 s.
        ASSERT_EQ(held.heldPasses.size(), 500u) << way.what;
        EXPECT_NEAR(held.heldPasses.front(), 1.0, 1e-9) << way.what;
        EXPECT_NEAR(held.heldPasses.back(), 5.99, 1e-9) << way.what;
        EXPECT_EQ(held.snapshots.at(7.0), unheld.snapshots.at(2.0))
            << way.what << ": play after the hold differs from play without it";
        EXPECT_NEAR(play(awayFrom1To6, {}, 3.0).endedAt, 3.0, 0.0201) << way.what << ", closed";
    }
}

}  // namespace
}  // namespace kestrway
