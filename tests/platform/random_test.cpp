// The game's generator: its own seeding, and the standard MT19937 twist and
// tempering checked against the standard library's engine.
#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

#include "platform/headless/headless.h"

namespace kestrway {
namespace {

TEST(GameRandomTest, SeedTruncatesAndFillsTheStateWithTheGamesLcg) {
    GameRandom random;
    random.seed(-2.5);
    EXPECT_EQ(random.stateWord(0), 0xFFFFFFFEu);
    EXPECT_EQ(random.stateWord(1), 0xFFFFFFFEu * 1664525u + 1013904223u);
    random.seed(12345.9);
    EXPECT_EQ(random.stateWord(0), 12345u);
    random.seed(1.0e300);  // out of range and NaN seeds saturate, no undefined conversion
    random.seed(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(random.stateWord(0), 0u);
}

TEST(GameRandomTest, SeedTruncatesExactlyOverTheWholeSigned64BitRange) {
    GameRandom random;
    // Near both ends the seed is truncated, not saturated: state[0] is the low
    // 32 bits of the 64-bit integer (9210000000000000000 = 0x7FD0'2B5B'0D59'0000).
    random.seed(9.21e18);
    EXPECT_EQ(random.stateWord(0), 0x0D590000u);
    random.seed(-9.21e18);
    EXPECT_EQ(random.stateWord(0), 0xF2A70000u);
    // The largest double below 2^63 and the smallest above -2^63.
    random.seed(std::nextafter(9223372036854775808.0, 0.0));  // 2^63 - 1024
    EXPECT_EQ(random.stateWord(0), 0xFFFFFC00u);
    random.seed(std::nextafter(-9223372036854775808.0, 0.0));  // -2^63 + 1024
    EXPECT_EQ(random.stateWord(0), 0x00000400u);
    // Exactly -2^63 is in range: INT64_MIN, whose low word is 0.
    random.seed(-9223372036854775808.0);
    EXPECT_EQ(random.stateWord(0), 0u);
    // 2^63 and above are outside: they saturate to INT64_MAX, and below -2^63
    // to INT64_MIN.
    random.seed(9223372036854775808.0);
    EXPECT_EQ(random.stateWord(0), 0xFFFFFFFFu);
    random.seed(1.0e19);
    EXPECT_EQ(random.stateWord(0), 0xFFFFFFFFu);
    random.seed(std::numeric_limits<double>::infinity());
    EXPECT_EQ(random.stateWord(0), 0xFFFFFFFFu);
    random.seed(std::nextafter(-9223372036854775808.0, -1.0e300));
    EXPECT_EQ(random.stateWord(0), 0u);
    random.seed(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(random.stateWord(0), 0u);
}

TEST(GameRandomTest, CountsItsDrawsAndKeepsTheLastValue) {
    GameRandom random;
    random.seed(7.0);
    EXPECT_EQ(random.drawCount(), 0u);
    EXPECT_EQ(random.lastValue(), 0.0);
    double last = 0.0;
    for (int i = 0; i < 700; ++i) last = random.next();  // crosses a twist
    EXPECT_EQ(random.drawCount(), 700u);
    EXPECT_EQ(random.lastValue(), last);
    random.seed(7.0);  // seeding starts the count again
    EXPECT_EQ(random.drawCount(), 0u);
    EXPECT_EQ(random.lastValue(), 0.0);

    // The program's generator, read without drawing.
    seedRandom(42.0);
    EXPECT_EQ(randomDrawCount(), 0u);
    const double first = randomUnit();
    const double second = randomUnit();
    EXPECT_EQ(randomDrawCount(), 2u);
    EXPECT_EQ(randomLastValue(), second);
    EXPECT_EQ(randomDrawCount(), 2u);
    GameRandom expected;
    expected.seed(42.0);
    EXPECT_EQ(expected.next(), first);
    EXPECT_EQ(expected.next(), second);
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
