// XInput pads: an XINPUT_GAMEPAD's values through the translation into the
// game's keys, and XInput itself loaded from the system at run time (under
// Wine: no pad, so every slot answers "not connected").
#include "platform/win32/xinput_pads.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/keyboard.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using XInputPadsTest = OpenScreenTest;

std::vector<int32_t> keysDown() {
    std::vector<int32_t> down;
    for (int32_t code = 0; code < kKeyStateCount; ++code) {
        if (isKeyDown(code) != 0) down.push_back(code);
    }
    return down;
}

XINPUT_GAMEPAD gamepad(WORD buttons, SHORT x = 0, SHORT y = 0, BYTE trigger = 0) {
    XINPUT_GAMEPAD made{};
    made.wButtons = buttons;
    made.sThumbLX = x;
    made.sThumbLY = y;
    made.bRightTrigger = trigger;
    return made;
}

// Each row from nothing held: what the game reads as held and typed. The
// stick's y grows upwards in XInput and downwards on the screen; X, Y, B,
// the shoulders and the thumb clicks are not mapped.
TEST_F(XInputPadsTest, GamepadValuesBecomeTheKeyboardsKeys) {
    const struct {
        XINPUT_GAMEPAD pad;
        std::vector<int32_t> held;
        std::string typed;
    } cases[] = {
        {gamepad(XINPUT_GAMEPAD_DPAD_UP), {kScanUp}, std::string("\xFFH", 2)},
        {gamepad(XINPUT_GAMEPAD_DPAD_RIGHT | XINPUT_GAMEPAD_A),
         {kScanSpace, kScanRight},
         std::string("\xFFM ", 3)},
        {gamepad(XINPUT_GAMEPAD_BACK), {kScanEscape}, "\x1B"},
        {gamepad(XINPUT_GAMEPAD_START), {}, " "},
        {gamepad(XINPUT_GAMEPAD_B | XINPUT_GAMEPAD_X | XINPUT_GAMEPAD_Y |
                 XINPUT_GAMEPAD_LEFT_SHOULDER | XINPUT_GAMEPAD_RIGHT_SHOULDER |
                 XINPUT_GAMEPAD_LEFT_THUMB),
         {},
         ""},
        {gamepad(0, 0, 32767), {kScanUp}, std::string("\xFFH", 2)},
        {gamepad(0, 0, -23000), {kScanDown}, std::string("\xFFP", 2)},
        {gamepad(0, -32768, 0), {kScanLeft}, std::string("\xFFK", 2)},
        {gamepad(0, 16000, 16000), {}, ""},  // under 0.6 on both axes
        {gamepad(0, 0, 0, 200), {kScanSpace}, " "},
        {gamepad(0, 0, 0, 120), {}, ""},
    };
    int32_t source = 0;
    for (const auto& c : cases) {
        lockScreen();
        setPadState(source, padStateFromXInput(c.pad));
        unlockScreen(-1, -1);
        EXPECT_EQ(keysDown(), c.held) << "row " << source;
        std::string typed;
        for (std::string key = readKey(); !key.empty(); key = readKey()) typed += key;
        EXPECT_EQ(typed, c.typed) << "row " << source;
        lockScreen();
        padSourceGone(source++);
        unlockScreen(-1, -1);
    }
}

TEST_F(XInputPadsTest, XInputLoadsFromTheSystemAndFindsNoPadHere) {
    ASSERT_TRUE(startXInputPads());
    EXPECT_NE(GetModuleHandleW(L"xinput1_4.dll"), nullptr);  // the first choice
    for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot) {
        XINPUT_STATE state{};
        EXPECT_EQ(readXInputSlot(slot, state), static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
    }
    lockScreen();
    feedXInputPads(GetTickCount64());
    unlockScreen(-1, -1);
    EXPECT_EQ(keysDown(), std::vector<int32_t>{});
}

}  // namespace
}  // namespace kestrway
