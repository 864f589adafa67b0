// Converting a clip's samples from its own rate to the device's.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrway {

// Linear interpolation between neighbouring samples; the result lasts as
// long as the source (rounded up to whole samples). Rates must be positive.
std::vector<int16_t> resampleClip(std::span<const int16_t> samples, int32_t fromRate,
                                  int32_t toRate);

}  // namespace kestrway
