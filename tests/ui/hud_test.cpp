// The HUD's texts and colours, and dimming.
#include "ui/hud.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "state/game_state.h"
#include "support/open_screen_fixture.h"
#include "support/text_check.h"

namespace kestrway {
namespace {

constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlack = 0xFF000000;

using HudTest = OpenScreenTest;

TEST_F(HudTest, GreenLabelsWhiteValuesAndDamageRedFromThree) {
    struct Case {
        int32_t score, bonus, damage;
        const char *scoreText, *bonusText, *damageText;
        uint32_t damageLabel;
    };
    auto game = std::make_unique<GameState>();
    for (const Case& c :
         {Case{-10, 0, 0, "-10", "0", "0%", kGreen}, Case{120, 199, 2, "120", "199", "40%", kGreen},
          Case{120, 199, 3, "120", "199", "60%", kRed},
          Case{7, 200, 5, "7", "200", "100%", kRed}}) {
        game->score = c.score;
        game->bonus = c.bonus;
        game->damageLevel = c.damage;
        clearScreen();
        drawHud(*game);
        const std::tuple<int32_t, const char*, uint32_t> lines[] = {
            {16, "Score", kGreen},     {32, c.scoreText, kWhite},      {64, "Bonus", kGreen},
            {80, c.bonusText, kWhite}, {112, "Damage", c.damageLabel}, {128, c.damageText, kWhite}};
        for (const auto& [y, text, colour] : lines) {
            EXPECT_TRUE(showsText(528, y, text, colour, kBlack)) << c.damage << ": " << text;
        }
    }
    EXPECT_EQ(setColors(0, 0, 3), kWhite);  // left white for whoever draws next
}

TEST_F(HudTest, DimHalvesEachColourKeepsAlphaAndMarksTheWholeScreen) {
    uint32_t* screen = screenPixels();
    const uint32_t last = kScreenWidth * kScreenHeight - 1;
    screen[0] = 0xFFFFFFFF;
    screen[1] = 0xFF010203;
    screen[2] = 0x12345678;
    screen[last] = 0x00FEFEFE;
    headless::presentNow();
    dimScreen();
    EXPECT_EQ(screen[1], 0xFF000101u);
    EXPECT_EQ(screen[2], 0x121A2B3Cu);
    headless::presentNow();
    EXPECT_EQ(headless::presentedPixel(0, 0), 0xFF7F7F7Fu);
    EXPECT_EQ(headless::presentedPixel(639, 479), 0x007F7F7Fu);
    dimScreen();
    EXPECT_EQ(screen[0], 0xFF3F3F3Fu);
}

}  // namespace
}  // namespace kestrway
