// runGame: start-up, then the game loop (title, new game), the stage loop
// (set-up, play, act on the end) and, through playFrame, the frame loop.
#include "game/run_game.h"

#include "actors/explosions.h"
#include "actors/shots.h"
#include "actors/traffic.h"
#include "game/attract_mode.h"
#include "game/frame_loop.h"
#include "game/play_game.h"
#include "game/replay_run.h"
#include "game/screens.h"
#include "game/titles.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/replay_options.h"
#include "platform/screen.h"
#include "platform/timing.h"
#include "player/player.h"
#include "state/game_state.h"
#include "ui/hud.h"
#include "world/road.h"
#include "world/world_images.h"

namespace kestrway {

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

void runGame(GameState& game, int argc, char** argv) {
    startUp(game, argc, argv);
    // The program's entry has refused options that cannot be used.
    ReplayOptions options;
    readReplayOptions(programArguments(), options);
    if (options.mode == ReplayMode::kPlay) {
        setWindowTitle(std::string(kWindowTitle) + " - replay");
        endProgram(playReplay(game, options.path) ? 0 : 2);
    }
    if (options.mode == ReplayMode::kRecord) startRecording(game, options.path);
    // A recorded run holds only its own games.
    setAttractMode(options.mode == ReplayMode::kNone);
    for (;;) {
        showTitleScreen(game);
        GameEnd end;
        beginRecordedGame(game, end);
        playGame(game, end);
        endRecordedGame(end);
    }
}

}  // namespace kestrway
