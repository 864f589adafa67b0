// Get Ready, Stage Completed and Game Over, drawn over the darkened road.
#include <string>

#include "game/key_wait.h"
#include "game/screens.h"
#include "platform/sound.h"
#include "ui/font_text.h"

namespace kestrway {

void showGetReady(const GameState& game) {
    const Image* font = game.fontImage.get();
    drawCentredText(font, 170, "Stage " + std::to_string(game.stageNumber));
    drawCentredText(font, 210, "Get Ready!");
    drawCentredText(font, 250, "Press Space to Start");
    playSound(SoundEffect::GetReady);
    waitForSpace();
}

void showStageCompleted(GameState& game) {
    const Image* font = game.fontImage.get();
    drawCentredText(font, 140, "Stage " + std::to_string(game.stageNumber) + " Completed!");
    drawCentredText(font, 180, "Bonus : " + std::to_string(game.bonus));
    game.score += game.bonus;
    drawCentredText(font, 220, "Score : " + std::to_string(game.score));
    drawCentredText(font, 260, "Press Space to Continue");
    playSound(SoundEffect::StageCompleted);
    waitForSpace();
}

void showGameOver(GameState& game) {
    const Image* font = game.fontImage.get();
    drawCentredText(font, 140, "Game Over!");
    drawCentredText(font, 180, "Final Score : " + std::to_string(game.score));
    drawCentredText(font, 260, "Press Space to Continue");
    if (game.score > game.highScore) game.highScore = game.score;
    game.previousScore = game.score;
    playSound(SoundEffect::GameOver);
    waitForSpace();
}

}  // namespace kestrway
