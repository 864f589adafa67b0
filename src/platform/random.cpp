// MT19937 with the game's own seeding (an LCG fill of the state), so a seed
// gives the same game on every machine.
#include "platform/random.h"

#include <cmath>
#include <cstring>

#include "platform/timing.h"

namespace kestrway {

namespace {

GameRandom gRandom;

// The seed truncated toward zero to 64 bits, exactly over the whole signed
// range [-2^63, 2^63); only values outside it (and NaN, as 0) would make the
// conversion undefined, so only they saturate. Both bounds are exact doubles.
int64_t truncatedSeed(double seed) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::isnan(seed)) return 0;
    if (seed >= kTwoTo63) return INT64_MAX;
    if (seed < -kTwoTo63) return INT64_MIN;
    return static_cast<int64_t>(seed);
}

}  // namespace

void GameRandom::seed(double seed) {
    state_[0] = static_cast<uint32_t>(static_cast<uint64_t>(truncatedSeed(seed)));
    for (size_t i = 1; i < state_.size(); ++i) {
        state_[i] = state_[i - 1] * 1664525u + 1013904223u;
    }
    index_ = 624;
    drawCount_ = 0;
    lastValue_ = 0.0;
}

void GameRandom::twist() {
    constexpr uint32_t kUpper = 0x80000000u;
    constexpr uint32_t kLower = 0x7FFFFFFFu;
    for (size_t i = 0; i < 624; ++i) {
        const uint32_t y = (state_[i] & kUpper) | (state_[(i + 1) % 624] & kLower);
        uint32_t next = state_[(i + 397) % 624] ^ (y >> 1);
        if (y & 1u) next ^= 0x9908B0DFu;
        state_[i] = next;
    }
    index_ = 0;
}

double GameRandom::next() {
    if (index_ >= 624) twist();
    uint32_t y = state_[static_cast<size_t>(index_++)];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    lastValue_ = static_cast<double>(y) / 4294967296.0;
    ++drawCount_;
    return lastValue_;
}

void GameRandom::restore(const RandomState& state) {
    state_ = state.words;
    index_ = state.index >= 0 && state.index <= 624 ? state.index : 624;
}

ErrorCode seedRandom(double seed) {
    if (seed == -1.0) {
        // memcpy rather than std::bit_cast, which older standard libraries
        // (Emscripten's among them) lack.
        const double now = timerSeconds();
        uint64_t bits = 0;
        std::memcpy(&bits, &now, sizeof bits);
        const uint32_t mixed = static_cast<uint32_t>(bits) ^ static_cast<uint32_t>(bits >> 32);
        seed = static_cast<double>(mixed);
    }
    gRandom.seed(seed);
    return ErrorCode::kOk;
}

double randomUnit() {
    return gRandom.next();
}

RandomState randomState() {
    return gRandom.state();
}

void restoreRandomState(const RandomState& state) {
    gRandom.restore(state);
}

uint64_t randomDrawCount() {
    return gRandom.drawCount();
}

double randomLastValue() {
    return gRandom.lastValue();
}

}  // namespace kestrway
