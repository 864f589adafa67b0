// runGame: start-up, then the game loop (title, new game), the stage loop
// (set-up, play, act on the end) and, through playFrame, the frame loop.
#include "game/run_game.h"

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "game/frame_loop.h"
#include "game/screens.h"
#include "game/titles.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/timing.h"
#include "player/player.h"
#include "state/game_state.h"
#include "ui/hud.h"
#include "world/road.h"
#include "world/world_images.h"

namespace kestrway {

namespace {

constexpr int32_t kWreckFrames = 16;
constexpr int32_t kWreckSleepMs = 20;

void startUp(GameState& game, int argc, char** argv) {
    startProgram(argc, argv);
    seedRandom(timerSeconds());
    game.track.fill(0);
    setWindowTitle(kWindowTitle);
    openScreen();
    loadPlayerImages(game);
    loadVehiclePictures(game.traffic);
    createWorldImages(game);
    loadShotPictures(game.shots);
    loadExplosionPicture(game.explosions);
    loadTitleAssets(game);
    loadMapChunks(game);
    game.frameCounter = 0;
    game.trafficPhase = 0;
}

// The destroyed car's last frames: the road stands still while shots and
// explosions play out. No input is read.
void showWreck(GameState& game) {
    for (int32_t frame = 0; frame < kWreckFrames; ++frame) {
        drawFrame(game);
        sleepMs(kWreckSleepMs);
    }
}

// Plays stages until the game ends by Escape or destruction.
void playGame(GameState& game) {
    game.stageNumber = 1;
    game.score = 0;
    for (;;) {
        StageRun run;
        prepareStage(game);
        clearScreen();
        scrollAndDrawRoad(game);
        dimScreen();
        showGetReady(game);
        while (playFrame(game, run) == kKeepPlaying) {
        }
        switch (run.endReason) {
            case kPlayerDestroyed:
                showWreck(game);
                dimScreen();
                showGameOver(game);
                return;
            case kStageCompleted:
                dimScreen();
                showStageCompleted(game);
                ++game.stageNumber;
                break;
            case kEscapeReleased:
                return;
            default:
                endProgram(0);
        }
    }
}

}  // namespace

void runGame(GameState& game, int argc, char** argv) {
    startUp(game, argc, argv);
    for (;;) {
        showTitleScreen(game);
        playGame(game);
    }
}

}  // namespace kestrway
