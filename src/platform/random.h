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

// The generator itself, so tests and tools can run one without touching the
// program's.
class GameRandom {
  public:
    void seed(double seed);
    double next();
    uint32_t stateWord(int32_t index) const { return state_[static_cast<size_t>(index)]; }

  private:
    void twist();
    std::array<uint32_t, 624> state_{};
    int32_t index_ = 624;
};

}  // namespace kestrway
