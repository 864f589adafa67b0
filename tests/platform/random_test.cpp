// The game's generator: its own seeding of the MT19937 state. The twist and
// the tempering are pinned by the committed recordings, which replay only
// with the exact draws they were made with.
#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

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

}  // namespace
}  // namespace kestrway
