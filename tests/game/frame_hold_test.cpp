// Whole games on the headless backend with the window left, minimised or
// paused during play: nothing of the game moves on while its frames are
// held, play goes on exactly where it stopped, and the pause key does
// nothing on the still screens.
#include "platform/frame_hold.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

// Into play at 0.2 s, two gears up so the road and the traffic move; the
// passes printed from 1.0 s on.
struct PlayedGame {
    RunPrints prints;
    std::vector<double> heldPasses;  // times of passes with frames held
    double endedAt = 0;
};

PlayedGame play(const std::function<void()>& script, double closeAt) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    headless::holdKey(kScanUp, 0.3, 0.35);
    headless::holdKey(kScanUp, 0.5, 0.55);
    script();
    headless::pressCloseButton(closeAt);
    PlayedGame played;
    const auto noteHeld = [&](GameState&) {
        if (framesHeld()) played.heldPasses.push_back(headless::virtualSeconds());
    };
    played.prints = printRun(harness, noteHeld, 1.0, false);
    EXPECT_EQ(played.prints.exitCode, 0);
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
        2.5);
    ASSERT_NE(unheld.prints.passes.front(), unheld.prints.passes.back()) << "must be moving";
    EXPECT_TRUE(unheld.heldPasses.empty());
    // The held run: the state at 1.0 s for 500 passes, then the unheld run's
    // passes 5 s later, to the same end.
    RunPrints expected = unheld.prints;
    expected.passes.insert(expected.passes.begin(), 500, unheld.prints.passes.front());
    const struct {
        const char* what;
        std::function<void(double)> away;
    } ways[] = {{"focus lost", headless::changeFocus},
                {"minimised", headless::toggleMinimised},
                {"pause key", headless::pressPauseKey}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        const auto awayFrom1To6 = [&] {
            way.away(1.0);
            way.away(6.0);
        };
        const PlayedGame held = play(awayFrom1To6, 7.5);
        ASSERT_EQ(held.heldPasses.size(), 500u);
        EXPECT_NEAR(held.heldPasses.front(), 1.0, 1e-9);
        EXPECT_EQ(firstDifference(held.prints, expected), -1);
        EXPECT_NEAR(play(awayFrom1To6, 3.0).endedAt, 3.0, 0.0201) << "closed while held";
    }
}

}  // namespace
}  // namespace kestrway
