// The game's generator: its own seeding, and the standard MT19937 twist and
// tempering checked against the standard library's engine.
#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <utility>

#include "platform/headless/headless.h"

namespace kestrway {
namespace {

// The seed is truncated toward zero to 64 bits, exactly over the whole signed
// range, and state[0] is the integer's low word; only seeds outside the range
// saturate (NaN as 0), so no conversion is undefined. The other words follow
// from the game's own LCG.
TEST(GameRandomTest, SeedTruncatesExactlyOverTheWholeSigned64BitRangeIntoTheLcg) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, uint32_t> cases[] = {{-2.5, 0xFFFFFFFEu},
                                                 {12345.9, 12345u},
                                                 {9.21e18, 0x0D590000u},  // 0x7FD0'2B5B'0D59'0000
                                                 {-9.21e18, 0xF2A70000u},
                                                 {std::nextafter(kTwoTo63, 0.0), 0xFFFFFC00u},
                                                 {std::nextafter(-kTwoTo63, 0.0), 0x00000400u},
                                                 {-kTwoTo63, 0u},
                                                 {kTwoTo63, 0xFFFFFFFFu},
                                                 {1.0e19, 0xFFFFFFFFu},
                                                 {kInfinity, 0xFFFFFFFFu},
                                                 {std::nextafter(-kTwoTo63, -1.0e300), 0u},
                                                 {-kInfinity, 0u},
                                                 {std::numeric_limits<double>::quiet_NaN(), 0u}};
    GameRandom random;
    for (const auto& [seed, word] : cases) {
        random.seed(seed);
        EXPECT_EQ(random.stateWord(0), word) << seed;
        EXPECT_EQ(random.stateWord(1), word * 1664525u + 1013904223u) << seed;
    }
}

// The program's generator counts its draws across a twist, keeps the last
// value for reading without a draw, and starts again at every seeding.
TEST(GameRandomTest, CountsItsDrawsAndKeepsTheLastValue) {
    for (int32_t round = 0; round < 2; ++round) {
        seedRandom(42.0);
        EXPECT_EQ(std::pair(randomDrawCount(), randomLastValue()), std::pair(uint64_t{0}, 0.0));
        GameRandom expected;
        expected.seed(42.0);
        double last = 0.0;
        for (int i = 0; i < 700; ++i) {
            last = randomUnit();
            ASSERT_EQ(last, expected.next()) << i;
        }
        EXPECT_EQ(std::pair(randomDrawCount(), randomLastValue()), std::pair(uint64_t{700}, last));
    }
}

TEST(GameRandomTest, DrawsMatchTheStandardEngineLoadedWithTheSameState) {
    GameRandom random;
    random.seed(20180127.0);
    // std::mt19937 reads its 624 state words and twists on its first draw.
    std::mt19937 reference;
    std::stringstream words;
    for (int i = 0; i < 624; ++i) words << random.stateWord(i) << ' ';
    words >> reference;
    for (int i = 0; i < 2000; ++i) {  // crosses two regenerations of the state
        ASSERT_EQ(random.next(), static_cast<double>(reference()) / 4294967296.0) << i;
    }
}

TEST(GameRandomTest, MinusOneSeedsFromTheTimersBitPattern) {
    headless::reset();  // the timer reads 1000.0 s: 0x408F4000'00000000
    seedRandom(-1.0);
    GameRandom expected;
    expected.seed(static_cast<double>(0x408F4000u ^ 0u));
    EXPECT_EQ(randomUnit(), expected.next());
    seedRandom(-1.5);  // truncates to -1 but is an ordinary seed
    expected.seed(-1.5);
    EXPECT_EQ(expected.stateWord(0), 0xFFFFFFFFu);
    EXPECT_EQ(randomUnit(), expected.next());
}

}  // namespace
}  // namespace kestrway
