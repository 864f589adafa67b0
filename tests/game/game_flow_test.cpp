// Whole games on the headless backend: the title, the interstitial screens,
// play, and every way out of them.
#include <gtest/gtest.h>

#include "game/screens.h"
#include "platform/headless/headless.h"
#include "platform/builtin_font.h"
#include "platform/keyboard.h"
#include "support/game_harness.h"
#include "support/map_files.h"

namespace kestrway {
namespace {

// A straight lane of trees nowhere but column 6 at chunk row 40: four rows
// ahead of the start line whichever chunk comes last.
ChunkRows treeAheadChunk() {
    ChunkRows rows = uniformChunk("................");
    rows[40] = "......T.........";
    return rows;
}

// Whether every glyph bit of the text shows in the colour on the window.
bool windowShowsText(int32_t x, int32_t y, std::string_view text, uint32_t colour) {
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t* glyph = builtinGlyph(static_cast<uint8_t>(text[i]));
        for (int32_t row = 0; row < kGlyphHeight; ++row) {
            for (int32_t column = 0; column < kGlyphWidth; ++column) {
                const int32_t px = x + static_cast<int32_t>(i) * kGlyphWidth + column;
                if (((glyph[row] >> column) & 1) && headless::presentedPixel(px, y + row) != colour) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool playingAt(const GameHarness& harness, double seconds) {
    return !harness.passAt(seconds).titleShown;
}

TEST(GameFlow, EscapeReleasedInPlayGoesBackToTheTitleKeepingTheScores) {
    TestDataFolder data({});
    GameHarness harness(data.path());
    headless::typeKey(' ', 0.1);  // title -> Get Ready
    headless::typeKey(' ', 0.3);  // Get Ready -> play
    headless::holdKey(kScanEscape, 1.0, 1.2);
    headless::pressCloseButton(2.0);
    bool scoreSet = false;
    const int32_t exitCode = harness.run([&](GameState& game) {
        if (!scoreSet && headless::virtualSeconds() >= 0.5) {
            game.score = 50;
            scoreSet = true;
        }
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(harness.passAt(0.05).titleShown);
    EXPECT_TRUE(playingAt(harness, 0.2));
    EXPECT_TRUE(playingAt(harness, 1.15));  // held, not yet released
    EXPECT_TRUE(harness.passAt(1.25).titleShown);
    EXPECT_TRUE(harness.passAt(1.99).titleShown);
    EXPECT_NE(harness.passAt(0.5).frameCounter, harness.passAt(0.6).frameCounter);
    EXPECT_EQ(harness.game().highScore, 0);
    EXPECT_EQ(harness.game().previousScore, 0);
}

TEST(GameFlow, DangerLineShowsInEveryFrameAtDamageFourOnly) {
    TestDataFolder data({});
    GameHarness harness(data.path());
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    headless::pressCloseButton(1.0);
    const std::string_view danger = "* Danger : Damage Critical! *";
    int32_t linesSeen = 0;
    int32_t framesAtFour = 0;
    harness.run([&](GameState& game) {
        const double now = headless::virtualSeconds();
        const bool shown = windowShowsText(140, 4, danger, 0xFFFF0000);
        if (game.damageLevel == 4) {
            ++framesAtFour;
            linesSeen += shown;
        } else {
            EXPECT_FALSE(shown) << now;
        }
        game.damageLevel = now >= 0.4 && now < 0.6 ? 4 : 3;
    });
    EXPECT_GT(framesAtFour, 15);
    EXPECT_EQ(linesSeen, framesAtFour);
}

TEST(GameFlow, CloseButtonEndsTheTitleAndPlayButNotTheStillScreens) {
    TestDataFolder data({});
    {
        GameHarness harness(data.path());
        headless::pressCloseButton(0.05);
        EXPECT_EQ(harness.run(), 0);
        EXPECT_NEAR(headless::virtualSeconds(), 0.06, 0.011);
    }
    {
        GameHarness harness(data.path());
        headless::typeKey(' ', 0.1);
        headless::pressCloseButton(0.2);  // Get Ready: ignored
        headless::typeKey(' ', 0.4);
        headless::pressCloseButton(0.8);  // play: ends at the end of that frame
        EXPECT_EQ(harness.run(), 0);
        EXPECT_GE(headless::virtualSeconds(), 0.8);
        EXPECT_LE(headless::virtualSeconds(), 0.821);
        EXPECT_EQ(harness.passAt(0.39).frameCounter, 0);  // still on Get Ready
        EXPECT_NE(harness.passAt(0.6).frameCounter, 0);
    }
}

TEST(GameFlow, EscapeEndsTheTitleOnReleaseAndGetReadyAtOnce) {
    TestDataFolder data({});
    {
        GameHarness harness(data.path());
        headless::holdKey(kScanEscape, 0.1, 0.5);
        EXPECT_EQ(harness.run(), 0);
        EXPECT_GE(headless::virtualSeconds(), 0.5);
        EXPECT_LE(headless::virtualSeconds(), 0.52);
    }
    {
        GameHarness harness(data.path());
        headless::typeKey(' ', 0.1);
        headless::holdKey(kScanEscape, 0.3, 5.0);
        EXPECT_EQ(harness.run(), 0);
        EXPECT_LE(headless::virtualSeconds(), 0.32);
    }
}

TEST(GameFlow, DestroyedCarWrecksThenGameOverRecordsTheScores) {
    TestDataFolder data({treeAheadChunk(), treeAheadChunk(), treeAheadChunk(), treeAheadChunk()});
    GameHarness harness(data.path());
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
    // One gear up, then another press after every crash until destroyed.
    for (int i = 0; i < 20; ++i) headless::holdKey(kScanUp, 0.3 + 0.1 * i, 0.33 + 0.1 * i);
    headless::typeKey(' ', 4.0);  // Game Over -> title
    headless::pressCloseButton(4.5);
    bool scoreSet = false;
    double destroyedAt = -1;
    const int32_t exitCode = harness.run([&](GameState& game) {
        if (!scoreSet && headless::virtualSeconds() >= 0.5) {
            game.score = 130;
            scoreSet = true;
        }
        if (destroyedAt < 0 && game.damageLevel >= 5) destroyedAt = headless::virtualSeconds();
    });
    const GameState& game = harness.game();
    EXPECT_EQ(exitCode, 0);
    ASSERT_GT(destroyedAt, 0);
    EXPECT_LT(destroyedAt, 3.5);
    EXPECT_EQ(game.highScore, 130);
    EXPECT_EQ(game.previousScore, 130);
    EXPECT_EQ(game.playerSpeed, 0);
    EXPECT_EQ(game.playerGear, 0);
    EXPECT_TRUE(harness.passAt(4.2).titleShown);
    // The five explosions of the wreck were drawn in exactly 16 frames.
    int32_t wreckExplosions = 0;
    for (const Explosion& e : game.explosions.explosions) {
        if (e.active == 1 && e.radius == 16) ++wreckExplosions;
    }
    EXPECT_GE(wreckExplosions, 1);
    bool centreFound = false;
    for (const Explosion& e : game.explosions.explosions) {
        centreFound |= e.x == game.playerX + 8 && e.y == game.playerY + 8 && e.radius == 16;
    }
    EXPECT_TRUE(centreFound);
}

TEST(GameFlow, FinishingAStageAddsTheBonusAndStartsTheNext) {
    TestDataFolder data({});  // no maps: an open field to the finish
    GameHarness harness(data.path());
    headless::typeKey(' ', 0.1);
    headless::typeKey(' ', 0.2);
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
        if (finishedAt < 0 && now > 1.0 && static_cast<int64_t>(now * 100) % 10 == 0) {
            headless::typeKey(' ', now);
        }
        if (secondStageAt < 0 && game.stageNumber == 2) {
            secondStageAt = now;
            headless::holdKey(kScanEscape, now + 0.2, now + 1.0);  // quits Get Ready at once
        }
    });
    const GameState& game = harness.game();
    ASSERT_GT(finishedAt, 0);
    // 383 rows of 32 pixels, mostly at 4 pixels a frame of 10 ms.
    EXPECT_NEAR(finishedAt, 0.3 + 383 * 32 / 4 * 0.010, 0.3);
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
