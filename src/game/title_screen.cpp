// The title screen: border, logo, rules, scores, and the wait for Space,
// with the demo after a while of nobody at the keys.
#include <array>
#include <string>

#include "game/attract_mode.h"
#include "game/key_wait.h"
#include "game/screens.h"
#include "game/titles.h"
#include "platform/image.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/screen.h"
#include "platform/timing.h"
#include "ui/font_text.h"

namespace kestrway {

namespace {

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kKeepForeground = 1;
constexpr uint32_t kKeepBackground = 2;

void drawBorder(const Image* tile) {
    for (int32_t i = 0; i < 20; ++i) {
        blit(static_cast<float>(32 * i), 0, tile);
        blit(static_cast<float>(32 * i), 448, tile);
    }
    for (int32_t j = 0; j < 15; ++j) {
        blit(0, static_cast<float>(32 * j), tile);
        blit(608, static_cast<float>(32 * j), tile);
    }
}

void drawTitleScreen(const GameState& game) {
    const std::array<std::string, 12> lines = {
        "Race to the end of each stage!",
        "",
        "* Gain 10 points for each enemy tank you destroy *",
        "* Lose 10 points for any civilian cars you shoot *",
        "* Collect the spanners to repair your car *",
        "",
        "High score :" + std::to_string(game.highScore),
        "",
        "Previous score:" + std::to_string(game.previousScore),
        "",
        "Press Space to start",
        "",
    };
    setColors(0, kTitleBlue, kKeepForeground);
    clearScreen();
    setColors(0, kBlack, kKeepForeground);
    drawBorder(game.titleTileImage.get());
    blitTransparent(20, 64, game.logoImage.get());
    for (size_t n = 0; n < lines.size(); ++n) {
        drawCentredText(game.fontImage.get(), 144 + 24 * static_cast<int32_t>(n), lines[n]);
    }
    setColors(kYellow, 0, kKeepBackground);
    drawText(32, 432, kVersionText);
    drawText(470, 432, kMakerAddress);
}

}  // namespace

void loadTitleAssets(GameState& game) {
    loadFont(game.fontImage);
    game.titleTileImage = createImage(32, 32, kBlankColour);
    loadBitmap("gfx\\start.bmp", game.titleTileImage.get());
    game.logoImage = createImage(600, 48, kBlankColour);
    loadBitmap("gfx\\logo.bmp", game.logoImage.get());
    game.highScore = 0;
    game.previousScore = 0;
}

void showTitleScreen(GameState& game) {
    silenceLoopingSounds();
    drawTitleScreen(game);
    waitKeyBufferEmpty();
    IdlePassCounter idle;
    bool escapeSeen = false;
    // After a demo stopped by a key, that key does nothing else: Escape and
    // Space count again only once they have been up.
    bool escapeHeldOver = false;
    bool spaceHeldOver = false;
    for (;;) {
        const std::string key = readKey();
        sleepUntilKey(10);
        const bool escapeDown = isKeyDown(kScanEscape) != 0;
        if (key == CloseKey) endProgram(0);
        if (escapeHeldOver) {
            escapeHeldOver = escapeDown;
        } else if (escapeDown) {
            escapeSeen = true;
        } else if (escapeSeen) {
            endProgram(0);
        }
        if (spaceHeldOver) spaceHeldOver = isKeyDown(kScanSpace) != 0;
        if (key == " " && !spaceHeldOver) break;
        if (idle.pass(!key.empty(), escapeDown) && attractMode()) {
            const DemoEnd demo = playDemo(game);
            if (demo == DemoEnd::kCloseButton) endProgram(0);
            if (demo == DemoEnd::kSkipped) continue;
            silenceLoopingSounds();
            drawTitleScreen(game);
            waitKeyBufferEmpty();
            escapeSeen = false;
            escapeHeldOver = true;
            spaceHeldOver = true;
        }
    }
    waitKeyBufferEmpty();
}

}  // namespace kestrway
