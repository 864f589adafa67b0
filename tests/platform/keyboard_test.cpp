// Held keys, the typed-key ring and the key waits, through presenter passes.
#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/timing.h"
#include "support/open_screen_fixture.h"

namespace kestrway {
namespace {

using KeyboardTest = OpenScreenTest;

TEST_F(KeyboardTest, HeldKeysAreSeenOnlyAfterAPassAndOnlyInRange) {
    headless::holdKey(kScanUp, 0.0, 0.05);
    EXPECT_EQ(isKeyDown(kScanUp), 0);  // no pass yet
    sleepMs(10);
    EXPECT_EQ(isKeyDown(kScanUp), -1);
    EXPECT_EQ(isKeyDown(128), 0);
    EXPECT_EQ(isKeyDown(-1), 0);
    sleepMs(50);
    EXPECT_EQ(isKeyDown(kScanUp), 0);
}

TEST_F(KeyboardTest, LosingFocusClearsHeldKeysUntilItReturns) {
    headless::holdKey(kScanSpace, 0.0, 1.0);
    headless::changeFocus(0.02);
    headless::changeFocus(0.05);
    sleepMs(10);
    EXPECT_EQ(isKeyDown(kScanSpace), -1);
    sleepMs(20);
    EXPECT_EQ(isKeyDown(kScanSpace), 0);
    sleepMs(30);
    EXPECT_EQ(isKeyDown(kScanSpace), -1);
}

TEST_F(KeyboardTest, RingKeepsTheLast15TypedKeys) {
    headless::typeText("abcdefghijklmnopqrst", 0.0);
    sleepMs(10);
    std::string read;
    for (int i = 0; i < 15; ++i) read += readKey();
    EXPECT_EQ(read, "fghijklmnopqrst");
    EXPECT_EQ(readKey(), "");
}

TEST_F(KeyboardTest, ExtendedAndCloseCodesReadAsTwoCharacters) {
    headless::typeKey(extendedKeyCode(kScanUp), 0.0);
    headless::pressCloseButton(0.0);
    headless::pressCloseButton(0.0);
    sleepMs(10);
    EXPECT_EQ(readKey(), std::string("\xFFH", 2));
    EXPECT_EQ(readKey(), CloseKey);
    EXPECT_EQ(readKey(), CloseKey);
    EXPECT_EQ(readKey(), "");
}

TEST(KeyboardClosed, NothingIsReadBeforeTheScreenOpens) {
    headless::reset();
    headless::typeKey('a', 0.0);
    sleepMs(20);
    EXPECT_EQ(readKey(), "");
    EXPECT_EQ(isKeyDown(kScanEscape), 0);
}

TEST_F(KeyboardTest, KeyWaitReturnsSoonAfterAPressAndShortWaitsAreFixed) {
    headless::typeKey(' ', 0.2);
    sleepUntilKey(500);
    EXPECT_GE(headless::virtualSeconds(), 0.2);
    EXPECT_LE(headless::virtualSeconds(), 0.25 + 1e-9);

    const double before = headless::virtualSeconds();
    headless::typeKey(' ', before + 0.001);
    sleepUntilKey(10);  // short waits never look at keys
    EXPECT_NEAR(headless::virtualSeconds() - before, 0.010, 1e-9);

    const double start = headless::virtualSeconds();
    sleepUntilKey(-1);  // the space typed above already set the flag
    EXPECT_LE(headless::virtualSeconds() - start, 0.050 + 1e-9);
}

TEST_F(KeyboardTest, LongKeyWaitWithoutKeysRunsItsFullTime) {
    const double start = headless::virtualSeconds();
    sleepUntilKey(130);
    EXPECT_NEAR(headless::virtualSeconds() - start, 0.130, 1e-9);
}

}  // namespace
}  // namespace kestrway
