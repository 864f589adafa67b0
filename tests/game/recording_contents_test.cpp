// The committed recordings (and the title screen's demo) hold what they are
// said to hold: each is replayed on the headless backend, its games watched
// pass by pass, and what happened compared with what the table claims.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/frame_loop.h"
#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/headless/headless.h"
#include "platform/windowless.h"
#include "support/game_harness.h"
#include "support/run_tally.h"

namespace kestrway {
namespace {

// How each game ends: Escape released, the car destroyed, the program ended.
constexpr int32_t kEsc = kEscapeReleased;
constexpr int32_t kWreck = kPlayerDestroyed;
constexpr int32_t kQuit = kWindowClosed;

struct Claim {
    const char* file;  // under the source folder
    std::vector<int32_t> endings;
    // At least this many tanks and civilians destroyed, spanners taken, passes
    // on water, rockets and tower rounds seen, stages completed.
    std::vector<int32_t> atLeast;
};

const Claim kClaims[] = {
    {"tests/replays/stage-completed.krp", {kEsc}, {5, 0, 2, 100, 5, 10, 1}},
    {"tests/replays/three-games.krp", {kEsc, kWreck, kQuit}, {3, 1, 0, 1, 1, 5, 0}},
    {"tests/replays/civilians-shot.krp", {kEsc}, {1, 2, 0, 0, 1, 1, 0}},
    {"tests/replays/two-short-games.krp", {kEsc, kEsc, kQuit}, {0, 0, 0, 0, 0, 0, 0}},
    // A good run: tanks destroyed, a spanner and the water.
    {"data/demo/demo.krp", {kEsc}, {4, 0, 1, 20, 1, 1, 0}},
};

TEST(CommittedRecordings, EachHoldsWhatItIsSaidToHold) {
    for (const Claim& claim : kClaims) {
        SCOPED_TRACE(claim.file);
        GameHarness harness(KESTRWAY_DATA_DIR);
        GameState& game = harness.game();
        char program[] = "kestrway";
        char* argv[] = {program};
        startUp(game, 1, argv);
        // What is drawn does not matter here, only what happens.
        setPixelsDiscarded(true);
        Replay replay;
        std::string warning;
        const auto path = std::filesystem::path(KESTRWAY_SOURCE_DIR) / claim.file;
        EXPECT_EQ(loadReplay(game, path.string(), replay, warning), "");
        RunTally tally;
        RunObserver observer;
        headless::setPassHook([&] { observer.observe(game); });
        std::vector<int32_t> endings;
        for (const RecordedGame& recorded : replay.games) {
            observer = RunObserver{};
            GameEnd end;
            EXPECT_EQ(replayGame(game, recorded, end), ReplayOutcome::kEnded);
            EXPECT_TRUE((RecordedEnd{end.how, end.stage, end.score, end.frames} == recorded.end));
            endings.push_back(end.how);
            tally += observer.tally();
        }
        headless::setPassHook({});
        setPixelsDiscarded(false);
        EXPECT_EQ(endings, claim.endings);
        const int32_t seen[] = {
            tally.tanksDestroyed, tally.civiliansDestroyed, tally.spannersTaken,  tally.waterPasses,
            tally.rocketsSeen,    tally.towerRoundsSeen,    tally.stagesCompleted};
        for (size_t i = 0; i < claim.atLeast.size(); ++i) {
            EXPECT_GE(seen[i], claim.atLeast[i]) << "count " << i;
        }
        EXPECT_GE(tally.highestStage, 1 + claim.atLeast.back());
    }
}

}  // namespace
}  // namespace kestrway
