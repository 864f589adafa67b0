// Encoding sounds as the WAV form the game ships: RIFF WAVE PCM, mono, 16-bit.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrway {

std::vector<uint8_t> encodeWav16Mono(const std::vector<int16_t>& samples, int32_t rate);

}  // namespace kestrway
