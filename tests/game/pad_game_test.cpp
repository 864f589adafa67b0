// Whole games driven by a scripted pad on the headless backend: the same
// game as with the keys a keyboard player would press, short presses and the
// stick's pushes each change gear once, and nothing while the window is away.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "game/screens.h"
#include "platform/frame_hold.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "platform/pad_input.h"
#include "platform/screen.h"
#include "support/game_harness.h"
#include "support/game_snapshot.h"

namespace kestrway {
namespace {

constexpr int32_t kScanP = 25;
constexpr int32_t kPad = 4;

// One push on the pad, and what a keyboard player presses for it.
struct Push {
    double from;
    double until;
    PadState pad;
    // The keyboard: a key held over the same passes, and what it types.
    int32_t scanCode;  // -1: none held
    std::vector<uint32_t> typed;
    bool pauseKey;
};

PadState button(uint32_t bits) {
    PadState state;
    state.buttons = bits;
    return state;
}

PadState stick(float x, float y) {
    PadState state;
    state.stickX = x;
    state.stickY = y;
    return state;
}

PadState trigger(float travel) {
    PadState state;
    state.fireTrigger = travel;
    return state;
}

const uint32_t kUpCode = extendedKeyCode(kScanUp);
const uint32_t kDownCode = extendedKeyCode(kScanDown);

// From the title into play, gears with the D-pad and the stick, steering,
// firing with A and the trigger, a pause with Start, a press shorter than a
// pass, and Back out to the title, then Start and A into play again.
const std::vector<Push> kGame = {
    {0.10, 0.15, button(kPadA), kScanSpace, {' '}, false},
    {0.20, 0.25, button(kPadStart), -1, {' '}, false},  // Get Ready: Start is " "
    {0.30, 0.35, button(kPadUp), kScanUp, {kUpCode}, false},
    {0.50, 0.58, stick(0.1f, -0.9f), kScanUp, {kUpCode}, false},
    {0.60, 0.80, button(kPadRight), kScanRight, {extendedKeyCode(kScanRight)}, false},
    {0.90, 1.20, button(kPadA), kScanSpace, {' '}, false},
    {1.30, 1.50, stick(-0.8f, 0.2f), kScanLeft, {extendedKeyCode(kScanLeft)}, false},
    {1.60, 1.80, trigger(0.9f), kScanSpace, {' '}, false},
    {1.90, 1.95, button(kPadStart), kScanP, {'p'}, true},  // in play: Start is P
    {2.30, 2.35, button(kPadStart), kScanP, {'p'}, true},
    {2.50, 2.55, button(kPadDown), kScanDown, {kDownCode}, false},
    {2.701, 2.703, button(kPadA), kScanSpace, {' '}, false},
    {3.00, 3.05, button(kPadBack), kScanEscape, {27}, false},
    {3.40, 3.45, button(kPadStart), -1, {' '}, false},
    {3.60, 3.65, button(kPadA), kScanSpace, {' '}, false},
};

// Pushes start and end between passes; the keyboard's key is held over the
// passes that hand the pad's states over.
double passAfter(double seconds) {
    return static_cast<double>(static_cast<int64_t>(seconds * 100.0 + 1.0 - 1e-6)) / 100.0;
}

void scriptPad(const std::vector<Push>& pushes) {
    for (const Push& push : pushes) {
        headless::setPad(kPad, push.pad, push.from);
        headless::setPad(kPad, PadState{}, push.until);
    }
}

void scriptKeys(const std::vector<Push>& pushes) {
    for (const Push& push : pushes) {
        const double down = passAfter(push.from);
        double up = passAfter(push.until);
        if (up == down) up += 0.01;  // held for the one pass that saw it
        if (push.scanCode >= 0) headless::holdKey(push.scanCode, down, up);
        for (const uint32_t code : push.typed) headless::typeKey(code, down);
        if (push.pauseKey) headless::pressPauseKey(down);
    }
}

uint64_t pictureHash() {
    uint64_t hash = 1469598103934665603ull;
    for (int32_t y = 0; y < kScreenHeight; ++y) {
        for (int32_t x = 0; x < kScreenWidth; ++x) {
            hash = (hash ^ headless::presentedPixel(x, y)) * 1099511628211ull;
        }
    }
    return hash;
}

struct Played {
    std::vector<Snapshot> states;       // every pass
    std::vector<uint64_t> pictures;     // every tenth pass
    std::map<int32_t, int32_t> gearAt;  // by pass number
    std::vector<int32_t> heldPasses;
    int32_t shotsFired = 0;
    std::vector<bool> titleShown;  // every pass
};

Played play(void (*script)(const std::vector<Push>&), const std::vector<Push>& pushes,
            double closeAt) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    script(pushes);
    headless::pressCloseButton(closeAt);
    Played played;
    int32_t pass = 0;
    int32_t cooldown = 0;
    EXPECT_EQ(harness.run([&](GameState& game) {
        ++pass;
        played.states.push_back(snapshotOf(game));
        if (pass % 10 == 0) played.pictures.push_back(pictureHash());
        played.gearAt[pass] = game.playerGear;
        if (framesHeld()) played.heldPasses.push_back(pass);
        played.titleShown.push_back(headless::presentedPixel(40, 40) == kTitleBlue);
        if (game.controls.fireCooldown > cooldown) ++played.shotsFired;
        cooldown = game.controls.fireCooldown;
    }),
              0);
    return played;
}

TEST(PadGame, APadDrivenGameEqualsTheSameGameDrivenByKeys) {
    const Played byPad = play(scriptPad, kGame, 3.8);
    const Played byKeys = play(scriptKeys, kGame, 3.8);
    ASSERT_EQ(byPad.states.size(), byKeys.states.size());
    for (size_t pass = 0; pass < byPad.states.size(); ++pass) {
        ASSERT_EQ(byPad.states[pass], byKeys.states[pass]) << "state at pass " << pass + 1;
    }
    EXPECT_EQ(byPad.pictures, byKeys.pictures);

    // And the pad did drive it: into play, two gears up, paused from 1.9 s
    // to 2.3 s, back to the title and on again. A shot every 11 frames while
    // fire is held: 3 in A's 30 frames, 2 in the trigger's 20, 1 each for
    // the short press and the last A.
    EXPECT_TRUE(byPad.titleShown[4]);
    EXPECT_FALSE(byPad.titleShown[24]);
    EXPECT_EQ(byPad.gearAt.at(60), 2);
    EXPECT_EQ(byPad.gearAt.at(260), 1);
    EXPECT_EQ(byPad.shotsFired, 7);
    ASSERT_FALSE(byPad.heldPasses.empty());
    EXPECT_EQ(byPad.heldPasses.front(), 190);
    EXPECT_EQ(byPad.heldPasses.back(), 229);
    EXPECT_TRUE(byPad.titleShown[329]);
    EXPECT_FALSE(byPad.titleShown[349]);
}

// In play from 0.2 s. The stick wobbling between the thresholds is one push;
// a D-pad press of 2 ms between two passes still changes gear. With the
// window away, neither the stick nor A does anything, nor does A held
// across its return; A pressed again afterwards fires.
TEST(PadGame, ShortPressesCountStickWobblesDoNotAndNothingWhileAway) {
    const std::vector<Push> pushes = {
        {0.10, 0.15, button(kPadA), -1, {}, false},
        {0.20, 0.25, button(kPadStart), -1, {}, false},
    };
    GameHarness harness(KESTRWAY_DATA_DIR);
    scriptPad(pushes);
    const float wobble[] = {-0.5f, -0.7f, -0.45f, -0.9f, -0.41f, -0.65f, -0.3f, -0.7f, 0.0f};
    for (size_t step = 0; step < std::size(wobble); ++step) {
        headless::setPad(kPad, stick(0.0f, wobble[step]), 0.305 + 0.05 * static_cast<double>(step));
    }
    headless::setPad(kPad, button(kPadDown), 0.801);
    headless::setPad(kPad, PadState{}, 0.803);
    headless::setPad(kPad, button(kPadUp), 0.851);
    headless::setPad(kPad, PadState{}, 0.853);
    headless::changeFocus(1.0);
    headless::setPad(kPad, stick(0.0f, -1.0f), 1.1);
    headless::setPad(kPad, button(kPadA), 1.2);
    headless::changeFocus(1.3);
    headless::setPad(kPad, PadState{}, 1.5);
    headless::setPad(kPad, button(kPadA), 1.6);
    headless::pressCloseButton(1.7);
    std::map<int32_t, int32_t> gearAt;
    std::map<int32_t, int32_t> cooldownAt;
    harness.run([&](GameState& game) {
        const auto pass = static_cast<int32_t>(headless::virtualSeconds() * 100.0 + 0.5);
        gearAt[pass] = game.playerGear;
        cooldownAt[pass] = game.controls.fireCooldown;
    });
    // Passes just before the next stick step (every 50 ms from 0.31 s).
    const std::vector<int32_t> gearBeforeEachStep = {0, 1, 1, 1, 1, 1, 1, 2, 2};
    for (size_t step = 0; step < gearBeforeEachStep.size(); ++step) {
        EXPECT_EQ(gearAt.at(35 + 5 * static_cast<int32_t>(step)), gearBeforeEachStep[step])
            << "after stick step " << step;
    }
    EXPECT_EQ(gearAt.at(84), 1);   // the short Down
    EXPECT_EQ(gearAt.at(89), 2);   // the short Up
    EXPECT_EQ(gearAt.at(145), 2);  // away: the stick did nothing
    EXPECT_EQ(gearAt.at(155), 2);
    for (int32_t pass = 100; pass < 160; ++pass) EXPECT_EQ(cooldownAt.at(pass), 0) << pass;
    EXPECT_GT(cooldownAt.at(162), 0);  // A pressed again fires
}

}  // namespace
}  // namespace kestrway
