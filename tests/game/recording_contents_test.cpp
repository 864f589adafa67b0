// The committed recordings (and the title screen's demo) hold what they are
// said to hold: each is replayed on the headless backend, its games watched
// pass by pass, and what happened compared with what the table claims.
#include <gtest/gtest.h>

#include <algorithm>
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

namespace fs = std::filesystem;

struct Claim {
    const char* file;  // under the source folder
    std::vector<int32_t> endings;
    RunTally atLeast;  // every count at least this (highestStage too)
};

// How each game ends: Escape released, the car destroyed, the program ended.
constexpr int32_t kEsc = kEscapeReleased;
constexpr int32_t kWreck = kPlayerDestroyed;
constexpr int32_t kQuit = kWindowClosed;

RunTally atLeast(int32_t tanks, int32_t civilians, int32_t spanners, int32_t water, int32_t rockets,
                 int32_t towerRounds, int32_t stagesCompleted) {
    return RunTally{tanks,   civilians,   spanners,        water,
                    rockets, towerRounds, stagesCompleted, 1 + stagesCompleted};
}

const Claim kClaims[] = {
    {"tests/replays/stage-completed.krp", {kEsc}, atLeast(5, 0, 2, 100, 5, 10, 1)},
    {"tests/replays/three-games.krp", {kEsc, kWreck, kQuit}, atLeast(3, 1, 0, 1, 1, 5, 0)},
    {"tests/replays/civilians-shot.krp", {kEsc}, atLeast(1, 2, 0, 0, 1, 1, 0)},
    {"tests/replays/two-short-games.krp", {kEsc, kEsc, kQuit}, atLeast(0, 0, 0, 0, 0, 0, 0)},
    // A good run: tanks destroyed, a spanner and the water.
    {"data/demo/demo.krp", {kEsc}, atLeast(4, 0, 1, 20, 1, 1, 0)},
};

struct Watched {
    std::vector<int32_t> endings;
    RunTally tally;
    std::string problem;
};

Watched watch(const fs::path& path) {
    GameHarness harness(KESTRWAY_DATA_DIR);
    GameState& game = harness.game();
    char program[] = "kestrway";
    char* argv[] = {program};
    startUp(game, 1, argv);
    // What is drawn does not matter here, only what happens.
    setPixelsDiscarded(true);
    Watched watched;
    Replay replay;
    std::string warning;
    watched.problem = loadReplay(game, path.string(), replay, warning);
    RunTally tally;
    RunObserver observer;
    headless::setPassHook([&] { observer.observe(game); });
    for (const RecordedGame& recorded : replay.games) {
        observer = RunObserver{};
        GameEnd end;
        if (replayGame(game, recorded, end) != ReplayOutcome::kEnded ||
            RecordedEnd{end.how, end.stage, end.score, end.frames} != recorded.end) {
            watched.problem = "a game does not end as recorded";
        }
        watched.endings.push_back(end.how);
        tally += observer.tally();
    }
    headless::setPassHook({});
    setPixelsDiscarded(false);
    watched.tally = tally;
    return watched;
}

TEST(CommittedRecordings, EachHoldsWhatItIsSaidToHold) {
    for (const Claim& claim : kClaims) {
        const Watched watched = watch(fs::path(KESTRWAY_SOURCE_DIR) / claim.file);
        EXPECT_EQ(watched.problem, "") << claim.file;
        EXPECT_EQ(watched.endings, claim.endings) << claim.file;
        const RunTally& seen = watched.tally;
        const RunTally& wanted = claim.atLeast;
        EXPECT_GE(seen.tanksDestroyed, wanted.tanksDestroyed) << claim.file;
        EXPECT_GE(seen.civiliansDestroyed, wanted.civiliansDestroyed) << claim.file;
        EXPECT_GE(seen.spannersTaken, wanted.spannersTaken) << claim.file;
        EXPECT_GE(seen.waterPasses, wanted.waterPasses) << claim.file;
        EXPECT_GE(seen.rocketsSeen, wanted.rocketsSeen) << claim.file;
        EXPECT_GE(seen.towerRoundsSeen, wanted.towerRoundsSeen) << claim.file;
        EXPECT_GE(seen.stagesCompleted, wanted.stagesCompleted) << claim.file;
        EXPECT_GE(seen.highestStage, wanted.highestStage) << claim.file;
    }
}

TEST(CommittedRecordings, EveryRecordingHasItsClaim) {
    size_t found = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(KESTRWAY_SOURCE_DIR) / "tests/replays")) {
        if (entry.path().extension() != ".krp") continue;
        ++found;
        const std::string name = "tests/replays/" + entry.path().filename().string();
        bool claimed = false;
        for (const Claim& claim : kClaims) claimed = claimed || name == claim.file;
        EXPECT_TRUE(claimed) << name << " has no row in the table of claims";
    }
    EXPECT_GE(found, 4u);
}

}  // namespace
}  // namespace kestrway
