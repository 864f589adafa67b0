// The pad and touch translation through headless presenter passes: which key
// each button holds and types, short presses no screen reads, several sources
// with the keyboard, and the rumble requests. Whole games driven by a pad
// (tests/game/pad_game_test.cpp) cover the stick, the pause and attention.
#include "platform/pad_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keyboard.h"
#include "platform/pad_rumble.h"
#include "platform/timing.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using PadInputTest = OpenScreenTest;
using Keys = std::vector<int32_t>;

constexpr int32_t kNoKey = -1;

// One presenter pass inside a key wait (a still screen: never held).
void pass() {
    sleepUntilKey(10);
}

std::string typedKeys() {
    std::string all;
    for (std::string key = readKey(); !key.empty(); key = readKey()) all += key;
    return all;
}

Keys keysDown() {
    Keys down;
    for (int32_t code = 0; code < kKeyStateCount; ++code) {
        if (isKeyDown(code) != 0) down.push_back(code);
    }
    return down;
}

// Pressed, still held (no repeat) and let go before the first pass: the key
// stays down over the two sleeps a screen that never reads it is given.
TEST_F(PadInputTest, EachButtonHoldsItsKeyAndTypesTheKeyboardsCodeOncePerPress) {
    const struct {
        uint32_t button;
        int32_t scanCode;
        std::string typed;
    } cases[] = {
        {kPadUp, kScanUp, std::string("\xFFH", 2)},
        {kPadDown, kScanDown, std::string("\xFFP", 2)},
        {kPadLeft, kScanLeft, std::string("\xFFK", 2)},
        {kPadRight, kScanRight, std::string("\xFFM", 2)},
        {kPadA, kScanSpace, " "},
        {kPadBack, kScanEscape, "\x1B"},
        {kPadPause, 25, "p"},
        {kPadStart, kNoKey, " "},
        {kPadContinue, kNoKey, " "},
        {kPadB, kNoKey, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        headless::reset();
        openScreen();
        headless::setPad(3, PadState{c.button}, 0.005);
        headless::setPad(3, PadState{c.button}, 0.015);
        headless::setPad(3, PadState{}, 0.025);
        const Keys held = c.scanCode == kNoKey ? Keys{} : Keys{c.scanCode};
        for (const auto& [keys, typed] : {std::pair{held, c.typed}, {held, ""}, {Keys{}, ""}}) {
            pass();
            EXPECT_EQ(keysDown(), keys);
            EXPECT_EQ(typedKeys(), typed);
        }
    }
}

// A short press the game reads is let go at once (whole games show it is
// not lost); one the current screen never reads goes up once the game has
// begun two more sleeps.
TEST_F(PadInputTest, AShortPressIsLetGoOnceReadOrAfterTwoSleeps) {
    headless::setPad(0, PadState{kPadA}, 0.004);
    headless::setPad(0, PadState{}, 0.006);
    headless::setPad(0, PadState{kPadBack}, 0.024);
    headless::setPad(0, PadState{}, 0.026);
    pass();
    pass();
    EXPECT_EQ(isKeyDown(kScanSpace), -1);
    EXPECT_EQ(isKeyDown(kScanSpace), 0);
    pass();
    pass();
    pass();
    EXPECT_EQ(isKeyDown(kScanEscape), 0);
}

TEST_F(PadInputTest, SourcesAndTheKeyboardAddUpAndASourceGoneLetsGoOfAllItHeld) {
    headless::holdKey(kScanRight, 0.0, 1.0);
    headless::setPad(7, PadState{kPadUp | kPadBack}, 0.005);
    headless::setPad(-2, PadState{kPadUp | kPadA}, 0.005);
    headless::setPad(7, PadState{kPadBack}, 0.015);
    headless::removePad(-2, 0.025);
    headless::removePad(7, 0.035);
    const Keys all = {kScanEscape, kScanSpace, kScanUp, kScanRight};
    for (const Keys& keys : {all, all, Keys{kScanEscape, kScanRight}, Keys{kScanRight}}) {
        pass();
        EXPECT_EQ(keysDown(), keys);
    }
}

TEST(PadRumble, AHitRumblesShortTheCarsDestructionLongAndOtherEffectsNot) {
    const struct {
        SoundEffect effect;
        int32_t durationMs;  // 0: no new request
    } cases[] = {{SoundEffect::Hit, kHitRumbleMs},
                 {SoundEffect::Shot, 0},
                 {SoundEffect::CarExplosion, kDestroyedRumbleMs},
                 {SoundEffect::Explosion, 0},
                 {SoundEffect::Hit, kHitRumbleMs}};
    for (const auto& c : cases) {
        const Rumble before = latestRumble();
        rumbleForEffect(c.effect);
        const Rumble after = latestRumble();
        EXPECT_EQ(after.serial, before.serial + (c.durationMs == 0 ? 0 : 1));
        if (c.durationMs != 0) {
            EXPECT_EQ(after.durationMs, c.durationMs);
            EXPECT_GT(after.strength, 0.0f);
        }
    }
}

}  // namespace
}  // namespace kestrway
