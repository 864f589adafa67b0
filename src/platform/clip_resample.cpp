// Clip rate conversion by linear interpolation.
#include "platform/clip_resample.h"

namespace kestrway {

std::vector<int16_t> resampleClip(std::span<const int16_t> samples, int32_t fromRate,
                                  int32_t toRate) {
    if (samples.empty() || fromRate <= 0 || toRate <= 0) return {};
    if (fromRate == toRate) return {samples.begin(), samples.end()};
    const int64_t count = static_cast<int64_t>(samples.size());
    const int64_t outCount = (count * toRate + fromRate - 1) / fromRate;
    std::vector<int16_t> out(static_cast<size_t>(outCount));
    for (int64_t i = 0; i < outCount; ++i) {
        // The source position i * fromRate / toRate as a whole sample and a
        // remainder, exact in integers.
        const int64_t scaled = i * fromRate;
        const int64_t index = scaled / toRate;
        const int64_t remainder = scaled % toRate;
        const int32_t a = samples[static_cast<size_t>(index)];
        const int32_t b = index + 1 < count ? samples[static_cast<size_t>(index + 1)] : a;
        out[static_cast<size_t>(i)] = static_cast<int16_t>(a + (b - a) * remainder / toRate);
    }
    return out;
}

}  // namespace kestrway
