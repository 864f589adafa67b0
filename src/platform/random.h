// The game's one random generator: MT19937 with its own seeding. Draw order
// is game behaviour, so every random decision goes through randomUnit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/error_code.h"

namespace kestrway {

// seed -1.0 seeds from the timer instead (the XOR of the two 32-bit halves
// of the timer's double).
ErrorCode seedRandom(double seed);
// Next r with 0 <= r < 1, exactly (32-bit word) / 2^32.
double randomUnit();
// The whole generator state: what a replay stores so that its games draw
// the same numbers as the run that made it.
struct RandomState {
    std::array<uint32_t, 624> words{};
    int32_t index = 624;
    bool operator==(const RandomState&) const = default;
};
RandomState randomState();
// Continues from a saved state (index outside 0..624 counts as 624).
void restoreRandomState(const RandomState& state);

// Read-only observation for tests and tools: how many times randomUnit has
// drawn since the last seedRandom, and the value it last returned (0 before
// the first draw). Reading them draws nothing and changes nothing.
uint64_t randomDrawCount();
double randomLastValue();

// The generator itself, so tests and tools can run one without touching the
// program's.
class GameRandom {
  public:
    void seed(double seed);
    double next();
    uint32_t stateWord(int32_t index) const { return state_[static_cast<size_t>(index)]; }
    RandomState state() const { return RandomState{state_, index_}; }
    void restore(const RandomState& state);
    // Draws since the last seed, and the last value drawn (0 before any).
    uint64_t drawCount() const { return drawCount_; }
    double lastValue() const { return lastValue_; }

  private:
    void twist();
    std::array<uint32_t, 624> state_{};
    int32_t index_ = 624;
    uint64_t drawCount_ = 0;
    double lastValue_ = 0.0;
};

}  // namespace kestrway
