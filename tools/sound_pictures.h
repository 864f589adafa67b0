// Pictures of the sounds' waveforms for the documentation.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrway {

// A PNG of the samples' waveform across the picture's whole width: each
// column's range of samples, its loudness (RMS) brighter inside it, over
// lines at silence and at -3 dBFS.
std::vector<uint8_t> drawWaveform(const std::vector<int16_t>& samples);

}  // namespace kestrway
