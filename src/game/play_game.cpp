// One game, from stage 1 to its end; the frame loop runs in playFrame.
#include "game/play_game.h"

#include "game/frame_loop.h"
#include "game/screens.h"
#include "platform/program.h"
#include "platform/screen.h"
#include "platform/sound.h"
#include "platform/timing.h"
#include "ui/demo_line.h"
#include "ui/hud.h"
#include "world/road.h"

namespace kestrway {

namespace {

constexpr int32_t kWreckFrames = 16;
constexpr int32_t kWreckSleepMs = 20;

// The destroyed car's last frames: the road stands still while shots and
// explosions play out. No input is read.
void showWreck(GameState& game) {
    setEngineSound(EngineSound::Off, 0);
    setAlarm(false);
    for (int32_t frame = 0; frame < kWreckFrames; ++frame) {
        drawFrame(game);
        sleepMs(kWreckSleepMs);
    }
}

}  // namespace

void playGame(GameState& game, GameEnd& end) {
    game.stageNumber = 1;
    game.score = 0;
    end = GameEnd{kKeepPlaying, 1, 0, 0};
    for (;;) {
        StageRun run;
        prepareStage(game);
        clearScreen();
        scrollAndDrawRoad(game);
        drawDemoLine();
        dimScreen();
        showGetReady(game);
        int32_t reason = kKeepPlaying;
        do {
            reason = playFrame(game, run);
            ++end.frames;
            end.score = game.score;
        } while (reason == kKeepPlaying);
        switch (reason) {
            case kPlayerDestroyed:
                showWreck(game);
                end.frames += kWreckFrames;
                end.how = kPlayerDestroyed;
                end.score = game.score;
                dimScreen();
                showGameOver(game);
                return;
            case kStageCompleted:
                dimScreen();
                showStageCompleted(game);
                end.score = game.score;
                ++game.stageNumber;
                end.stage = game.stageNumber;
                break;
            case kEscapeReleased:
                end.how = kEscapeReleased;
                return;
            default:
                end.how = kWindowClosed;
                endProgram(0);
        }
    }
}

}  // namespace kestrway
