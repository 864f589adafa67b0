// Whole games recorded on the headless backend and verified windowless: each
// replayed game ends as the live one did, in the same state, with the same
// picture, whatever the run had done before it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>

#include "game/replay_run.h"
#include "game/run_game.h"
#include "platform/headless/headless.h"
#include "platform/input_tap.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/screen_device.h"
#include "platform/windowless.h"
#include "support/game_fingerprint.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

struct LiveRun {
    std::vector<uint8_t> finalState;
    std::vector<uint8_t> finalRules;  // without the page
};

// The live run's state as the program ends (the headless backend closes the
// screen right after), before the recording's own hook saves the file.
LiveRun* gLive = nullptr;
GameState* gLiveGame = nullptr;
ProgramEndHook gRecordingHook = nullptr;
void fingerprintAtEnd(int32_t exitCode) {
    gLive->finalState = fingerprint(*gLiveGame);
    gLive->finalRules = fingerprint(*gLiveGame, false);
    gRecordingHook(exitCode);
}

// Records a scripted run into path; onTitle runs once, at the first pass.
LiveRun recordRun(uint32_t seed, const std::filesystem::path& path, double closeAfter,
                  const std::function<void(GameState&)>& onTitle = {}) {
    GameHarness harness(KESTRWAY_DATA_DIR, 1000.0 + seed * 3.5);
    std::mt19937 random(seed);
    // Escape is pressed by the run itself, in play (on a still screen it
    // would end the program).
    scriptKeyMasher(random, closeAfter + 60.0, false);
    bool titleSeen = false;
    bool escaped = false;
    int32_t lastFrameCounter = -1;
    LiveRun live;
    gLive = &live;
    gLiveGame = &harness.game();
    harness.run(
        [&](GameState& game) {
            if (!titleSeen) {
                if (onTitle) onTitle(game);
                gRecordingHook = setProgramEndHook(fingerprintAtEnd);
            }
            titleSeen = true;
            // Back to the title once, in play; past closeAfter the close
            // button during a game, so the run ends inside one and its last
            // frame can be compared. The recorder listens only in a game.
            const double now = headless::virtualSeconds();
            const bool inPlay = game.frameCounter != lastFrameCounter;
            lastFrameCounter = game.frameCounter;
            if (now > closeAfter / 3 && !escaped && inPlay) {
                headless::holdKey(kScanEscape, now, now + 0.05);
                escaped = true;
            }
            if (now > closeAfter && inputTap() != nullptr) {
                headless::pressCloseButton(now + 0.005);
            }
        },
        {"--record", path.string()});
    return live;
}

struct Verified {
    int32_t status = -1;
    std::string report;
    std::vector<uint8_t> finalState;  // without the page when pixels were discarded
};

Verified verify(const std::filesystem::path& path, double clockStart = 5000.0,
                bool discardPixels = false) {
    GameHarness harness(KESTRWAY_DATA_DIR, clockStart);
    setWindowless(true);
    setPixelsDiscarded(discardPixels);
    char program[] = "kestrway";
    char* argv[] = {program};
    startUp(harness.game(), 1, argv);
    std::ostringstream out;
    std::ostringstream err;
    Verified verified;
    verified.status = verifyReplay(harness.game(), path.string(), out, err);
    setWindowless(false);
    setPixelsDiscarded(false);
    verified.report = out.str() + err.str();
    verified.finalState = fingerprint(harness.game(), !discardPixels);
    return verified;
}

class ReplayRoundTrip : public ::testing::TestWithParam<uint32_t> {};

TEST_P(ReplayRoundTrip, VerifiedGamesEndAsTheLiveOnesDid) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("kestrway-replay-" + std::to_string(GetParam()) + ".krp");
    const LiveRun live = recordRun(GetParam(), path, 90.0);
    const Verified verified = verify(path);
    EXPECT_EQ(verified.status, 0) << verified.report;
    EXPECT_NE(verified.report.find("game 2:"), std::string::npos) << verified.report;
    EXPECT_EQ(verified.report.find("differs"), std::string::npos) << verified.report;
    EXPECT_TRUE(verified.finalState == live.finalState);
    // Discarding the pixel writes leaves every rule as it was.
    const Verified fast = verify(path, 5000.0, true);
    EXPECT_EQ(fast.report, verified.report);
    EXPECT_TRUE(fast.finalState == live.finalRules);
    // Held keys change rarely: the whole run's input stays small.
    EXPECT_LT(std::filesystem::file_size(path), 60'000u);
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ReplayRoundTrip, ::testing::Values(3u, 11u, 29u));

TEST(ReplayRecording, AFileThatCannotBeWrittenLeavesPlayAsItIs) {
    const auto folder = std::filesystem::temp_directory_path() / "kestrway-no-such-folder";
    std::filesystem::remove_all(folder);
    const LiveRun unrecorded = recordRun(3, folder / "run.krp", 90.0);
    EXPECT_FALSE(std::filesystem::exists(folder));
    // The same run recorded where it can be: the game played the same.
    const auto path = std::filesystem::temp_directory_path() / "kestrway-replay-written.krp";
    EXPECT_TRUE(recordRun(3, path, 90.0).finalState == unrecorded.finalState);
    std::filesystem::remove(path);
}

// Sets every field of the game's record and of its tables to something the
// run could have left there, and moves the random generator on.
void scramble(GameState& game, std::mt19937& random) {
    const auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    for (int32_t* field : {&game.stageNumber, &game.score, &game.bonus, &game.stageComplete,
                           &game.damageLevel, &game.playerX, &game.playerY, &game.playerGear,
                           &game.playerSpeed, &game.scrollRow, &game.scrollOffset}) {
        *field = pick(0, 4);
    }
    game.highScore = pick(0, 900);
    game.previousScore = pick(-50, 900);
    game.playerVehicle = pick(0, 1);
    game.controls = PlayerControls{pick(0, 1), pick(0, 1), pick(0, 9)};
    game.frameCounter = pick(0, 29);
    game.trafficPhase = pick(0, 1);
    for (auto& cell : game.track) cell = static_cast<uint8_t>(pick(0, 4));
    for (auto& cell : game.traffic.laneMap) cell = static_cast<uint8_t>(pick(0, 3));
    for (Vehicle& vehicle : game.traffic.vehicles) {
        vehicle =
            Vehicle{pick(0, 3),  pick(0, 15), pick(0, 399), pick(0, 31), pick(0, 31), pick(-1, 1),
                    pick(-1, 1), pick(0, 3),  pick(0, 60),  pick(0, 1),  pick(1, 3),  pick(0, 1)};
    }
    for (Shot& shot : game.shots.shots) {
        shot = Shot{pick(0, 1),  pick(0, 600), pick(0, 460), pick(-8, 8),
                    pick(-8, 8), pick(0, 1),   pick(0, 3),   pick(0, 50)};
    }
    for (Explosion& explosion : game.explosions.explosions) {
        explosion = Explosion{pick(0, 1), pick(0, 20), pick(0, 600), pick(0, 460)};
    }
    for (Spanner& spanner : game.spanners) spanner = Spanner{pick(-1, 500), pick(0, 12000)};
    for (ScreenPoint& point : game.obstacles) point = ScreenPoint{pick(0, 600), pick(0, 460)};
    for (int32_t draws = pick(1, 2000); draws > 0; --draws) randomUnit();
}

TEST(ReplaySnapshot, HoldsEverythingAGameStartDoesNotReset) {
    const auto path = std::filesystem::temp_directory_path() / "kestrway-replay-scrambled.krp";
    std::mt19937 random(77);
    const LiveRun live =
        recordRun(41, path, 40.0, [&](GameState& game) { scramble(game, random); });
    // Played back into a fresh record, from another seed: only the snapshot
    // can carry what the scrambled run had.
    const Verified verified = verify(path, 123.0);
    EXPECT_EQ(verified.status, 0) << verified.report;
    EXPECT_TRUE(verified.finalState == live.finalState);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace kestrway
