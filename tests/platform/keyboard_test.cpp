// Held keys, the typed-key ring and the key waits, through presenter passes.
#include "platform/keyboard.h"

#include <gtest/gtest.h>

#include "platform/timing.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using KeyboardTest = OpenScreenTest;

// Key waits (as on a still screen), since a frame sleep would be held while
// the focus is away.
TEST_F(KeyboardTest, HeldKeysShowAfterAPassInRangeAndClearWhileFocusIsLost) {
    headless::holdKey(kScanUp, 0.0, 0.05);
    headless::holdKey(kScanSpace, 0.0, 1.0);
    headless::changeFocus(0.02);
    headless::changeFocus(0.05);
    EXPECT_EQ(isKeyDown(kScanUp), 0);  // no pass yet
    sleepUntilKey(10);
    EXPECT_EQ(isKeyDown(kScanUp), -1);
    EXPECT_EQ(isKeyDown(128), 0);
    EXPECT_EQ(isKeyDown(-1), 0);
    sleepUntilKey(20);
    EXPECT_EQ(isKeyDown(kScanSpace), 0);
    sleepUntilKey(30);
    EXPECT_EQ(isKeyDown(kScanSpace), -1);
    EXPECT_EQ(isKeyDown(kScanUp), 0);
}

TEST_F(KeyboardTest, RingKeepsTheLast15KeysAndReadsTwoCharacterCodes) {
    headless::typeText("abcdefghijklmnopqrst", 0.0);
    sleepMs(10);
    std::string read;
    for (int i = 0; i < 15; ++i) read += readKey();
    EXPECT_EQ(read, "fghijklmnopqrst");
    EXPECT_EQ(readKey(), "");
    headless::typeKey(extendedKeyCode(kScanUp), 0.02);
    headless::pressCloseButton(0.02);
    sleepMs(10);
    EXPECT_EQ(readKey(), std::string("\xFFH", 2));
    EXPECT_EQ(readKey(), CloseKey);
    EXPECT_EQ(readKey(), "");
}

// Waits of 100 ms or more end soon after a key; shorter ones never look.
TEST_F(KeyboardTest, KeyWaitsEndSoonAfterAKeyOrRunTheirFullTime) {
    const double start = headless::virtualSeconds();
    sleepUntilKey(130);
    EXPECT_NEAR(headless::virtualSeconds() - start, 0.130, 1e-9);
    headless::typeKey(' ', 0.3);
    sleepUntilKey(500);
    EXPECT_GE(headless::virtualSeconds(), 0.3);
    EXPECT_LE(headless::virtualSeconds(), 0.35 + 1e-9);
    const double before = headless::virtualSeconds();
    headless::typeKey(' ', before + 0.001);
    sleepUntilKey(10);
    EXPECT_NEAR(headless::virtualSeconds() - before, 0.010, 1e-9);
    sleepUntilKey(-1);  // the space typed above already set the flag
    EXPECT_LE(headless::virtualSeconds() - before, 0.060 + 1e-9);
}

}  // namespace
}  // namespace kestrway
