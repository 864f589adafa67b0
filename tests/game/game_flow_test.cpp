// Whole games on the headless backend: the title, the interstitial screens,
// play, and every way out of them.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_harness.h"
#include "support/map_files.h"
#include "support/text_check.h"

namespace kestrway {
namespace {

// Space at 0.1 s leaves the title, at 0.2 s Get Ready: play from then on.
void typeIntoPlay() {
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
}

TEST(GameFlow, EscapeReleasedInPlayGoesBackToTheTitleKeepingTheScores) {
    TestDataFolder data({});
    GameHarness harness(data.path());
    typeIntoPlay();
    headless::holdKey(kScanEscape, 1.0, 1.2);
    headless::pressCloseButton(2.0);
    EXPECT_EQ(harness.run([](GameState& game) {
        if (headless::virtualSeconds() >= 0.5 && headless::virtualSeconds() < 0.6) game.score = 50;
    }),
              0);
    EXPECT_TRUE(harness.passAt(0.05).titleShown);
    EXPECT_NE(harness.passAt(0.5).frameCounter, harness.passAt(0.6).frameCounter);
    EXPECT_FALSE(harness.passAt(1.15).titleShown);  // held, not yet released
    EXPECT_TRUE(harness.passAt(1.25).titleShown);
    EXPECT_TRUE(harness.passAt(1.99).titleShown);
    EXPECT_EQ(harness.game().highScore, 0);
    EXPECT_EQ(harness.game().previousScore, 0);
}

// Damage 3 until 0.4 s, then 4: the danger line is never seen before, and
// seen by every presenter pass once a frame at 4 has been drawn, with a pass
// also right after each outermost unlock, the first moment the real presenter
// thread could copy the frame.
TEST(GameFlow, EveryPresenterPassAtDamageFourSeesTheDangerLine) {
    TestDataFolder data({});
    GameHarness harness(data.path());
    headless::presentAtEveryUnlock(true);
    typeIntoPlay();
    headless::pressCloseButton(1.2);
    int32_t checked = 0;
    int32_t wrong = 0;
    int32_t armedCounter = -1;  // the frame counter as damage went to 4
    bool drawnAtFour = false;
    harness.run([&](GameState& game) {
        const bool shown = showsText(140, 4, "* Danger : Damage Critical! *", 0xFFFF0000, {}, true);
        drawnAtFour = drawnAtFour || (armedCounter >= 0 && game.frameCounter != armedCounter);
        checked += drawnAtFour;
        // The passes between the change and the next frame are not checked.
        if (armedCounter < 0 || drawnAtFour) wrong += shown != drawnAtFour;
        if (headless::virtualSeconds() >= 0.4 && armedCounter < 0) armedCounter = game.frameCounter;
        game.damageLevel = armedCounter >= 0 ? 4 : 3;
    });
    // Frames from 0.4 s to 1.2 s, two passes each (the unlock's and the
    // sleep's), the sleep's one less often at the start.
    EXPECT_GT(checked, 100);
    EXPECT_EQ(wrong, 0);
}

// The close button ends the title and play (at the end of that frame) but
// not Get Ready; Escape ends the title when released and Get Ready at once.
TEST(GameFlow, CloseButtonAndEscapeEndTheGameFromTheRightScreens) {
    struct Case {
        const char* what;
        std::function<void()> script;
        double earliestEnd, latestEnd;
    };
    const Case cases[] = {
        {"close on the title", [] { headless::pressCloseButton(0.05); }, 0.049, 0.071},
        {"close on Get Ready, then in play",
         [] {
             headless::typeKey(' ', 0.1);
             headless::pressCloseButton(0.2);
             headless::typeKey(' ', 0.4);
             headless::pressCloseButton(0.8);
         },
         0.8, 0.821},
        {"Escape on the title", [] { headless::holdKey(kScanEscape, 0.1, 0.5); }, 0.5, 0.52},
        {"Escape on Get Ready",
         [] {
             headless::typeKey(' ', 0.1);
             headless::holdKey(kScanEscape, 0.3, 5.0);
         },
         0.3, 0.32},
    };
    TestDataFolder data({});
    for (const Case& c : cases) {
        GameHarness harness(data.path());
        c.script();
        EXPECT_EQ(harness.run(), 0) << c.what;
        EXPECT_GE(headless::virtualSeconds(), c.earliestEnd) << c.what;
        EXPECT_LE(headless::virtualSeconds(), c.latestEnd) << c.what;
    }
}

TEST(GameFlow, DestroyedCarWrecksThenGameOverRecordsTheScores) {
    // Trees only in column 6 at chunk row 40: four rows ahead of the start
    // line whichever chunk comes last.
    ChunkRows treeAhead = uniformChunk("................");
    treeAhead[40] = "......T.........";
    TestDataFolder data({treeAhead, treeAhead, treeAhead, treeAhead});
    GameHarness harness(data.path());
    typeIntoPlay();
    // One gear up, then another press after every crash until destroyed.
    for (int i = 0; i < 20; ++i) headless::holdKey(kScanUp, 0.3 + 0.1 * i, 0.33 + 0.1 * i);
    headless::typeKey(' ', 4.0);  // Game Over -> title
    headless::pressCloseButton(4.5);
    double destroyedAt = -1;
    EXPECT_EQ(harness.run([&](GameState& game) {
        if (headless::virtualSeconds() >= 0.5 && headless::virtualSeconds() < 0.6) game.score = 130;
        if (destroyedAt < 0 && game.damageLevel >= 5) destroyedAt = headless::virtualSeconds();
    }),
              0);
    const GameState& game = harness.game();
    ASSERT_GT(destroyedAt, 0);
    EXPECT_LT(destroyedAt, 3.5);
    EXPECT_EQ(game.highScore, 130);
    EXPECT_EQ(game.previousScore, 130);
    EXPECT_EQ(game.playerSpeed, 0);
    EXPECT_EQ(game.playerGear, 0);
    EXPECT_TRUE(harness.passAt(4.2).titleShown);
    // The wreck's explosions grew for 16 frames, one centred on the car.
    EXPECT_TRUE(std::any_of(game.explosions.explosions.begin(), game.explosions.explosions.end(),
                            [&](const Explosion& e) {
                                return e.active == 1 && e.radius == 16 && e.x == game.playerX + 8 &&
                                       e.y == game.playerY + 8;
                            }));
}

TEST(GameFlow, FinishingAStageAddsTheBonusAndStartsTheNext) {
    TestDataFolder data({});  // no maps: an open field to the finish
    GameHarness harness(data.path());
    typeIntoPlay();
    for (int i = 0; i < 3; ++i) headless::holdKey(kScanUp, 0.3 + 0.1 * i, 0.33 + 0.1 * i);
    int32_t bonusAtFinish = -1;
    double finishedAt = -1;
    double secondStageAt = -1;
    harness.run([&](GameState& game) {
        const double now = headless::virtualSeconds();
        if (finishedAt < 0 && game.stageComplete == 1) {
            finishedAt = now;
            bonusAtFinish = game.bonus;
            headless::typeKey(' ', now + 0.5);
        }
        // Spaces typed during play must not answer the next screen.
        if (finishedAt < 0 && now > 1.0 && static_cast<int64_t>(now * 100) % 10 == 0)
            headless::typeKey(' ', now);
        if (secondStageAt < 0 && game.stageNumber == 2) {
            secondStageAt = now;
            headless::holdKey(kScanEscape, now + 0.2, now + 1.0);  // quits Get Ready at once
        }
    });
    const GameState& game = harness.game();
    ASSERT_GT(finishedAt, 0);
    // One bonus point lost every 30 frames.
    EXPECT_NEAR(bonusAtFinish, 200 - (finishedAt - 0.2) / 0.3, 2);
    EXPECT_EQ(game.score, bonusAtFinish);
    ASSERT_GT(secondStageAt, finishedAt + 0.49);
    EXPECT_EQ(game.stageNumber, 2);
    EXPECT_EQ(game.bonus, 200);
    EXPECT_EQ(game.scrollRow, 16);
}

}  // namespace
}  // namespace kestrway
