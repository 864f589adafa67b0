// The HUD's texts and colours, and dimming.
#include <gtest/gtest.h>

#include "state/game_state.h"
#include "support/open_screen_fixture.h"
#include "support/text_check.h"
#include "ui/hud.h"

namespace kestrway {
namespace {

constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlack = 0xFF000000;

class HudTest : public OpenScreenTest {
protected:
    void drawWith(int32_t score, int32_t bonus, int32_t damage) {
        game_.score = score;
        game_.bonus = bonus;
        game_.damageLevel = damage;
        clearScreen();
        drawHud(game_);
    }
    GameState game_;
};

TEST_F(HudTest, ShowsLabelsAndValuesInTheirColours) {
    drawWith(-10, 0, 0);
    EXPECT_TRUE(screenShowsText(528, 16, "Score", kGreen, kBlack));
    EXPECT_TRUE(screenShowsText(528, 32, "-10", kWhite, kBlack));
    EXPECT_TRUE(screenShowsText(528, 64, "Bonus", kGreen, kBlack));
    EXPECT_TRUE(screenShowsText(528, 80, "0", kWhite, kBlack));
    EXPECT_TRUE(screenShowsText(528, 112, "Damage", kGreen, kBlack));
    EXPECT_TRUE(screenShowsText(528, 128, "0%", kWhite, kBlack));
    EXPECT_EQ(setColors(0, 0, 3), kWhite);  // left white for whoever draws next
}

TEST_F(HudTest, DamageLabelTurnsRedFromThree) {
    drawWith(120, 199, 2);
    EXPECT_TRUE(screenShowsText(528, 112, "Damage", kGreen, kBlack));
    EXPECT_TRUE(screenShowsText(528, 128, "40%", kWhite, kBlack));
    drawWith(120, 199, 3);
    EXPECT_TRUE(screenShowsText(528, 112, "Damage", kRed, kBlack));
    EXPECT_TRUE(screenShowsText(528, 64, "Bonus", kGreen, kBlack));
    drawWith(120, 199, 5);
    EXPECT_TRUE(screenShowsText(528, 112, "Damage", kRed, kBlack));
    EXPECT_TRUE(screenShowsText(528, 128, "100%", kWhite, kBlack));
    EXPECT_TRUE(screenShowsText(528, 32, "120", kWhite, kBlack));
    EXPECT_TRUE(screenShowsText(528, 80, "199", kWhite, kBlack));
}

using DimTest = OpenScreenTest;

TEST_F(DimTest, HalvesEachColourAndKeepsAlpha) {
    uint32_t* screen = screenPixels();
    screen[0] = 0xFFFFFFFF;
    screen[1] = 0xFF010203;
    screen[2] = 0x12345678;
    screen[kScreenWidth * kScreenHeight - 1] = 0x00FEFEFE;
    headless::presentNow();
    dimScreen();
    EXPECT_EQ(screen[0], 0xFF7F7F7Fu);
    EXPECT_EQ(screen[1], 0xFF000101u);
    EXPECT_EQ(screen[2], 0x121A2B3Cu);
    EXPECT_EQ(screen[kScreenWidth * kScreenHeight - 1], 0x007F7F7Fu);
    headless::presentNow();  // the whole screen was marked changed
    EXPECT_EQ(headless::presentedPixel(0, 0), 0xFF7F7F7Fu);
    EXPECT_EQ(headless::presentedPixel(639, 479), 0x007F7F7Fu);
    dimScreen();
    EXPECT_EQ(screen[0], 0xFF3F3F3Fu);
}

}  // namespace
}  // namespace kestrway
