// The pad and touch translation through headless presenter passes: which key
// each button holds and types, the stick's thresholds, short presses, several
// sources with the keyboard, and nothing while the window is not attended.
#include "platform/pad_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/frame_hold.h"
#include "platform/keyboard.h"
#include "platform/pad_rumble.h"
#include "platform/timing.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using PadInputTest = OpenScreenTest;

constexpr int32_t kNoKey = -1;
constexpr int32_t kScanP = 25;

// One presenter pass inside a key wait (a still screen: never held).
void pass() {
    sleepUntilKey(10);
}

std::string typedKeys() {
    std::string all;
    for (std::string key = readKey(); !key.empty(); key = readKey()) all += key;
    return all;
}

std::vector<int32_t> keysDown() {
    std::vector<int32_t> down;
    for (int32_t code = 0; code < kKeyStateCount; ++code) {
        if (isKeyDown(code) != 0) down.push_back(code);
    }
    return down;
}

PadState buttons(uint32_t bits) {
    PadState state;
    state.buttons = bits;
    return state;
}

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
        {kPadPause, kScanP, "p"},
        {kPadStart, kNoKey, " "},
        {kPadContinue, kNoKey, " "},
        {kPadB, kNoKey, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        headless::reset();
        openScreen();
        headless::setPad(3, buttons(c.button), 0.005);
        headless::setPad(3, buttons(c.button), 0.015);  // still held: no repeat
        headless::setPad(3, buttons(0), 0.025);
        const std::vector<int32_t> held =
            c.scanCode == kNoKey ? std::vector<int32_t>{} : std::vector<int32_t>{c.scanCode};
        pass();
        EXPECT_EQ(keysDown(), held);
        EXPECT_EQ(typedKeys(), c.typed);
        pass();
        EXPECT_EQ(keysDown(), held);
        EXPECT_EQ(typedKeys(), "");
        pass();
        EXPECT_EQ(keysDown(), std::vector<int32_t>{});
    }
}

// The pause key toggles the hold only in play, as the keyboard's P does.
TEST_F(PadInputTest, StartAndPausePauseInPlayOnly) {
    const struct {
        uint32_t button;
        bool pauses;
    } cases[] = {{kPadStart, true}, {kPadPause, true}, {kPadA, false}, {kPadBack, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        headless::reset();
        openScreen();
        headless::setPad(0, buttons(c.button), 0.005);
        headless::setPad(0, buttons(0), 0.015);
        headless::setPad(0, buttons(c.button), 0.025);
        pass();  // a still screen
        EXPECT_FALSE(framesHeld());
        sleepMs(10);
        sleepMs(10);  // in play: pressed in this pass
        EXPECT_EQ(framesHeld(), c.pauses);
    }
}

// Per axis: on beyond 0.6 of the travel, off again below 0.4; one push, one
// typed key. The right trigger is A's Space.
TEST_F(PadInputTest, StickAndTriggerPressPastSixTenthsAndReleaseBelowFourTenths) {
    const struct {
        int32_t scanCode;
        float PadState::*axis;
        float sign;
    } axes[] = {{kScanRight, &PadState::stickX, 1.0f},
                {kScanLeft, &PadState::stickX, -1.0f},
                {kScanDown, &PadState::stickY, 1.0f},
                {kScanUp, &PadState::stickY, -1.0f},
                {kScanSpace, &PadState::fireTrigger, 1.0f}};
    const struct {
        float travel;
        bool down;
    } steps[] = {{0.5f, false},  {0.61f, true}, {0.45f, true}, {0.39f, false},
                 {0.59f, false}, {0.7f, true},  {1.0f, true},  {0.0f, false}};
    for (const auto& axis : axes) {
        SCOPED_TRACE(axis.scanCode);
        headless::reset();
        openScreen();
        int32_t presses = 0;
        for (const auto& step : steps) {
            PadState state;
            state.*axis.axis = axis.sign * step.travel;
            headless::setPad(1, state, headless::virtualSeconds() + 0.005);
            pass();
            EXPECT_EQ(isKeyDown(axis.scanCode) != 0, step.down) << "at travel " << step.travel;
            if (!typedKeys().empty()) ++presses;
        }
        EXPECT_EQ(presses, 2);
    }
}

TEST_F(PadInputTest, APressShorterThanAPassIsHeldUntilTheGameReadsIt) {
    headless::setPad(0, buttons(kPadUp), 0.004);
    headless::setPad(0, buttons(0), 0.006);
    pass();
    EXPECT_EQ(isKeyDown(kScanUp), -1);
    EXPECT_EQ(isKeyDown(kScanUp), 0);  // read once: let go
    EXPECT_EQ(typedKeys(), std::string("\xFFH", 2));

    // A key the screen never reads goes up once two more sleeps have begun.
    headless::setPad(0, buttons(kPadA), 0.014);
    headless::setPad(0, buttons(0), 0.016);
    pass();
    pass();
    EXPECT_EQ(isKeyDown(kScanSpace), -1);
    headless::setPad(0, buttons(kPadBack), 0.034);
    headless::setPad(0, buttons(0), 0.036);
    pass();
    pass();
    pass();
    EXPECT_EQ(isKeyDown(kScanEscape), 0);
}

TEST_F(PadInputTest, NothingWhileUnattendedAndAButtonHeldAcrossItCountsOnlyWhenPressedAgain) {
    headless::setPad(0, buttons(kPadLeft), 0.005);
    headless::changeFocus(0.015);
    headless::setPad(0, buttons(kPadLeft | kPadA), 0.025);
    headless::changeFocus(0.035);
    headless::setPad(0, buttons(kPadA), 0.045);
    headless::setPad(0, buttons(kPadA | kPadLeft), 0.055);
    pass();
    EXPECT_EQ(keysDown(), std::vector<int32_t>{kScanLeft});
    EXPECT_EQ(typedKeys(), std::string("\xFFK", 2));
    pass();  // focus lost
    EXPECT_EQ(keysDown(), std::vector<int32_t>{});
    pass();  // A pressed while away
    EXPECT_EQ(keysDown(), std::vector<int32_t>{});
    EXPECT_EQ(typedKeys(), "");
    pass();  // focus back, A still held from before
    pass();  // Left released
    EXPECT_EQ(keysDown(), std::vector<int32_t>{});
    EXPECT_EQ(typedKeys(), "");
    pass();  // Left pressed again
    EXPECT_EQ(keysDown(), std::vector<int32_t>{kScanLeft});
    EXPECT_EQ(typedKeys(), std::string("\xFFK", 2));
}

TEST_F(PadInputTest, SourcesAndTheKeyboardAddUpAndASourceGoneLetsGoOfAllItHeld) {
    headless::holdKey(kScanRight, 0.0, 1.0);
    headless::setPad(7, buttons(kPadUp | kPadBack), 0.005);
    headless::setPad(-2, buttons(kPadUp | kPadA), 0.005);
    headless::setPad(7, buttons(kPadBack), 0.015);
    headless::removePad(-2, 0.025);
    headless::removePad(7, 0.035);
    pass();
    EXPECT_EQ(keysDown(), (std::vector<int32_t>{kScanEscape, kScanSpace, kScanUp, kScanRight}));
    pass();
    EXPECT_EQ(keysDown(), (std::vector<int32_t>{kScanEscape, kScanSpace, kScanUp, kScanRight}));
    pass();
    EXPECT_EQ(keysDown(), (std::vector<int32_t>{kScanEscape, kScanRight}));
    pass();
    EXPECT_EQ(keysDown(), std::vector<int32_t>{kScanRight});
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
        if (c.durationMs == 0) {
            EXPECT_EQ(after.serial, before.serial);
        } else {
            EXPECT_EQ(after.serial, before.serial + 1);
            EXPECT_EQ(after.durationMs, c.durationMs);
            EXPECT_GT(after.strength, 0.0f);
        }
    }
    EXPECT_LT(kHitRumbleMs, kDestroyedRumbleMs);
}

}  // namespace
}  // namespace kestrway
