// Encoding small indexed pictures as PNG, for the documentation's pictures.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrway {

// An 8-bit indexed PNG: indices row-major, top row first; palette 0xRRGGBB.
std::vector<uint8_t> encodePngIndexed(int32_t width, int32_t height,
                                      const std::vector<uint8_t>& indices,
                                      const std::vector<uint32_t>& palette);

}  // namespace kestrway
