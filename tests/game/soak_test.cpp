// Long runs: whole games from many seeds with random key scripts, every
// invariant checked after every presenter pass.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game_invariants.h"
#include "platform/headless/headless.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

struct BudgetReached {};

TEST(Soak, WholeGamesKeepEveryInvariant) {
    const char* budget = std::getenv("KESTRWAY_SOAK_FRAMES");
    const int64_t target = budget != nullptr ? std::atoll(budget) : 200000;
    int64_t frames = 0;
    int32_t runs = 0;
    int32_t programEnds = 0;
    for (uint32_t seed = 1; frames < target; ++seed, ++runs) {
        GameHarness harness(KESTRWAY_DATA_DIR, 1000.0 + seed * 7.25);
        std::mt19937 random(seed);
        const double runSeconds = 20.0 + 100.0 * (random() % 8);
        scriptKeyMasher(random, runSeconds, true);
        std::string broken;
        try {
            EXPECT_EQ(harness.run([&](GameState& game) {
                broken = brokenInvariant(game);
                if (!broken.empty() || headless::virtualSeconds() > runSeconds)
                    throw BudgetReached{};
            }),
                      0);
            ++programEnds;
        } catch (const BudgetReached&) {
        }
        ASSERT_EQ(broken, "") << "seed " << seed << " at " << headless::virtualSeconds() << " s";
        frames += harness.playFrames();
    }
    std::printf("soak: %lld frames of play in %d runs, %d ended by the program itself\n",
                static_cast<long long>(frames), runs, programEnds);
    EXPECT_GT(programEnds, 0);
}

}  // namespace
}  // namespace kestrway
