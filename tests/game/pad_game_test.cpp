// Whole games driven by a scripted pad on the headless backend: the same
// game as with the keys a keyboard player would press, short presses and the
// stick's pushes each change gear once, and nothing while the window is away.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>

#include "game/screens.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/pad_input.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

constexpr int32_t kScanP = 25;
constexpr int32_t kPad = 4;

// One push on the pad, and what a keyboard player presses for it: a key held
// over the same passes (-1: none), the codes it types, and the pause key.
struct Push {
    double from;
    double until;
    PadState pad;
    int32_t scanCode;
    std::vector<uint32_t> typed;
    bool pauseKey;
};

PadState pad(uint32_t buttons, float x = 0.0f, float y = 0.0f, float trigger = 0.0f) {
    return PadState{buttons, x, y, trigger};
}

const uint32_t kUpCode = extendedKeyCode(kScanUp);

// From the title into play, gears with the D-pad and the stick, steering,
// firing with A and the trigger, a pause with Start, a press shorter than a
// pass, and Back out to the title, then Start and A into play again.
const std::vector<Push> kGame = {
    {0.10, 0.15, pad(kPadA), kScanSpace, {' '}, false},
    {0.20, 0.25, pad(kPadStart), -1, {' '}, false},  // Get Ready: Start is " "
    {0.30, 0.35, pad(kPadUp), kScanUp, {kUpCode}, false},
    {0.50, 0.58, pad(0, 0.1f, -0.9f), kScanUp, {kUpCode}, false},
    {0.60, 0.80, pad(kPadRight), kScanRight, {extendedKeyCode(kScanRight)}, false},
    {0.90, 1.20, pad(kPadA), kScanSpace, {' '}, false},
    {1.30, 1.50, pad(0, -0.8f, 0.2f), kScanLeft, {extendedKeyCode(kScanLeft)}, false},
    {1.60, 1.80, pad(0, 0.0f, 0.0f, 0.9f), kScanSpace, {' '}, false},
    {1.90, 1.95, pad(kPadStart), kScanP, {'p'}, true},  // in play: Start is P
    {2.30, 2.35, pad(kPadStart), kScanP, {'p'}, true},
    {2.50, 2.55, pad(kPadDown), kScanDown, {extendedKeyCode(kScanDown)}, false},
    {2.701, 2.703, pad(kPadA), kScanSpace, {' '}, false},
    {3.00, 3.05, pad(kPadBack), kScanEscape, {27}, false},
    {3.40, 3.45, pad(kPadStart), -1, {' '}, false},
    {3.60, 3.65, pad(kPadA), kScanSpace, {' '}, false},
};

void scriptPad(const std::vector<Push>& pushes) {
    for (const Push& push : pushes) {
        headless::setPad(kPad, push.pad, push.from);
        headless::setPad(kPad, PadState{}, push.until);
    }
}

// The keyboard's key is held over the passes (every 10 ms) that hand the
// pad's states over: a push ends between passes.
void scriptKeys() {
    const auto passAfter = [](double seconds) {
        return static_cast<double>(static_cast<int64_t>(seconds * 100.0 + 1.0 - 1e-6)) / 100.0;
    };
    for (const Push& push : kGame) {
        const double down = passAfter(push.from);
        double up = passAfter(push.until);
        if (up == down) up += 0.01;  // held for the one pass that saw it
        if (push.scanCode >= 0) headless::holdKey(push.scanCode, down, up);
        for (const uint32_t code : push.typed) headless::typeKey(code, down);
        if (push.pauseKey) headless::pressPauseKey(down);
    }
}

// What a game showed and did, by pass number (a pass every 10 ms).
struct PassView {
    bool title;
    int32_t gear;
    int32_t cooldown;
};

struct Played {
    RunPrints prints;
    std::map<int32_t, PassView> at;
    int32_t shotsFired = 0;
};

Played play(const std::function<void()>& script, double closeAt) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    script();
    headless::pressCloseButton(closeAt);
    Played played;
    int32_t cooldown = 0;
    played.prints = printRun(harness, [&](GameState& game) {
        // A game the close button cannot end (stuck on a still screen) fails at once.
        if (headless::virtualSeconds() > closeAt + 1) throw std::runtime_error("still running");
        const auto pass = static_cast<int32_t>(headless::virtualSeconds() * 100.0 + 0.5);
        played.at[pass] = PassView{headless::presentedPixel(40, 40) == kTitleBlue, game.playerGear,
                                   game.controls.fireCooldown};
        if (game.controls.fireCooldown > cooldown) ++played.shotsFired;
        cooldown = game.controls.fireCooldown;
    });
    EXPECT_EQ(played.prints.exitCode, 0);
    return played;
}

TEST(PadGame, APadDrivenGameEqualsTheSameGameDrivenByKeys) {
    const Played byPad = play([] { scriptPad(kGame); }, 3.8);
    EXPECT_EQ(firstDifference(byPad.prints, play(scriptKeys, 3.8).prints), -1);
    // And the pad did drive it: into play, two gears up, one down after the
    // pause, back to the title and on again. A shot every 11 frames while
    // fire is held: 3 in A's 30 frames, 2 in the trigger's 20, 1 each for
    // the short press and the last A.
    EXPECT_TRUE(byPad.at.at(5).title);
    EXPECT_FALSE(byPad.at.at(25).title);
    EXPECT_EQ(byPad.at.at(60).gear, 2);
    EXPECT_EQ(byPad.at.at(260).gear, 1);
    EXPECT_EQ(byPad.shotsFired, 7);
    EXPECT_TRUE(byPad.at.at(330).title);
    EXPECT_FALSE(byPad.at.at(350).title);
}

// In play from 0.2 s. The stick wobbling between the thresholds is one push;
// a D-pad press of 2 ms between two passes still changes gear. With the
// window away, neither the stick nor A does anything, nor does either held
// across its return, nor A held across its loss; A pressed again fires.
TEST(PadGame, ShortPressesCountStickWobblesDoNotAndNothingWhileAway) {
    const Played played = play(
        [] {
            scriptPad({{0.10, 0.15, pad(kPadA), -1, {}, false},
                       {0.20, 0.25, pad(kPadStart), -1, {}, false},
                       {0.801, 0.803, pad(kPadDown), -1, {}, false},
                       {0.851, 0.853, pad(kPadUp), -1, {}, false}});
            const float wobble[] = {-0.5f,  -0.7f, -0.45f, -0.9f, -0.41f,
                                    -0.65f, -0.3f, -0.7f,  0.0f};
            for (size_t step = 0; step < std::size(wobble); ++step) {
                headless::setPad(kPad, pad(0, 0.0f, wobble[step]),
                                 0.305 + 0.05 * static_cast<double>(step));
            }
            headless::setPad(kPad, pad(kPadA), 0.95);
            headless::changeFocus(1.0);
            headless::setPad(kPad + 1, pad(0, 0.0f, -1.0f), 1.1);
            headless::setPad(kPad + 1, pad(kPadA, 0.0f, -1.0f), 1.2);
            headless::changeFocus(1.3);
            headless::setPad(kPad, pad(kPadA), 1.4);  // a backend sends the held A again
            headless::setPad(kPad, PadState{}, 1.5);
            headless::setPad(kPad + 1, PadState{}, 1.5);
            headless::setPad(kPad, pad(kPadA), 1.6);
        },
        1.7);
    // Passes just before the next stick step (every 50 ms from 0.31 s).
    const int32_t gearBeforeEachStep[] = {0, 1, 1, 1, 1, 1, 1, 2, 2};
    for (int32_t step = 0; step < 9; ++step) {
        EXPECT_EQ(played.at.at(35 + 5 * step).gear, gearBeforeEachStep[step]) << "step " << step;
    }
    EXPECT_EQ(played.at.at(84).gear, 1);   // the short Down
    EXPECT_EQ(played.at.at(89).gear, 2);   // the short Up
    EXPECT_EQ(played.at.at(155).gear, 2);  // away: the stick did nothing
    for (int32_t pass = 140; pass < 160; ++pass) EXPECT_EQ(played.at.at(pass).cooldown, 0) << pass;
    EXPECT_GT(played.at.at(162).cooldown, 0);  // A pressed again fires
}

}  // namespace
}  // namespace kestrway
