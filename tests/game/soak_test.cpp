// Long runs: whole games from many seeds with random key scripts, every
// invariant checked after every presenter pass.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "game/game_invariants.h"
#include "platform/headless/headless.h"
#include "platform/keyboard.h"
#include "support/game_harness.h"

namespace kestrway {
namespace {

struct BudgetReached {};

// A player mashing keys: gears, steering, fire, Space for the still screens,
// now and then Escape, typed junk, and rarely the close button.
void scriptRandomPlayer(std::mt19937& random, double seconds) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int32_t held[] = {kScanUp, kScanDown, kScanLeft, kScanRight, kScanSpace};
    for (double t = 0.05; t < seconds; t += 0.02 + 0.3 * unit(random)) {
        const double roll = unit(random);
        if (roll < 0.55) {
            const int32_t key = held[random() % 5];
            headless::holdKey(key, t, t + 0.02 + 0.4 * unit(random));
            if (key == kScanUp && unit(random) < 0.5) headless::holdKey(kScanUp, t + 0.5, t + 0.55);
        } else if (roll < 0.85) {
            headless::typeKey(' ', t);
        } else if (roll < 0.95) {
            headless::typeKey(static_cast<uint32_t>(1 + random() % 255), t);
        } else if (roll < 0.985) {
            headless::typeKey(extendedKeyCode(kScanUp), t);
        } else if (roll < 0.9985) {
            headless::holdKey(kScanEscape, t, t + 0.02 + 0.1 * unit(random));
        } else {
            headless::pressCloseButton(t);
        }
    }
}

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
        scriptRandomPlayer(random, runSeconds);
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
