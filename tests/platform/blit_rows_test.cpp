// The SSE2 keyed row copy gives exactly the scalar rule's result.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/blit_rows.h"
#include "platform/image.h"

namespace kestrway {
namespace {

TEST(KeyedRowCopy, VectorAndScalarAgreeOnRandomRowsWithMaskPixels) {
    std::mt19937 generator(1234);
    std::uniform_int_distribution<uint32_t> anyValue;
    std::vector<uint32_t> source(80);
    std::vector<uint32_t> scalar(80);
    std::vector<uint32_t> vector(80);
    for (int trial = 0; trial < 2000; ++trial) {
        // Odd trials scatter mask pixels (under any alpha byte) one by one;
        // even ones lay them in runs, as sprites do, so whole solid and
        // whole clear groups of pixels occur too.
        bool masked = false;
        int32_t runLeft = 0;
        for (uint32_t& p : source) {
            const uint32_t value = anyValue(generator);
            if (trial % 2 == 1) {
                masked = value % 3 == 0;
            } else if (runLeft-- == 0) {
                masked = !masked;
                runLeft = static_cast<int32_t>(value % 13);
            }
            p = masked ? (value & 0xFF000000) | kMaskColour : value;
        }
        for (size_t i = 0; i < scalar.size(); ++i) {
            scalar[i] = vector[i] = anyValue(generator);
        }
        // Every length up to a few vectors and every start, so the tail and
        // unaligned addresses are covered.
        const int64_t count = trial % 41;
        const size_t start = static_cast<size_t>(trial / 41 % 4);
        copyRowKeyedScalar(scalar.data() + start, source.data() + start, count);
        copyRowKeyed(vector.data() + start, source.data() + start, count);
        ASSERT_EQ(vector, scalar) << "count " << count << " start " << start;
    }
}

TEST(KeyedRowCopy, ScalarRuleSkipsMaskAndDropsAlpha) {
    const uint32_t source[4] = {0x12FF00FF, 0xFF123456, 0x00FF00FF, 0x80FF00FE};
    uint32_t destination[4] = {1, 2, 3, 4};
    copyRowKeyed(destination, source, 4);
    EXPECT_EQ(destination[0], 1u);
    EXPECT_EQ(destination[1], 0x00123456u);
    EXPECT_EQ(destination[2], 3u);
    EXPECT_EQ(destination[3], 0x00FF00FEu);
}

}  // namespace
}  // namespace kestrway
