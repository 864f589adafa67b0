// Drawing a sound's waveform as a small indexed picture.
#include "sound_pictures.h"

#include <algorithm>
#include <cmath>

#include "png_writer.h"

namespace kestrway {

namespace {

constexpr int32_t kWidth = 512;
constexpr int32_t kHeight = 96;
enum Colour : uint8_t { kBackground, kGuide, kRange, kLoudness };
const std::vector<uint32_t> kPalette = {0x2A2A36, 0x4A4A5C, 0x4FA3D8, 0xBFE6FF};

// The row a sample value falls on (full scale spans the picture).
int32_t rowOf(double value) {
    const double half = (kHeight - 1) / 2.0;
    return std::clamp(static_cast<int32_t>(std::lround(half - value / 32768.0 * half)), 0,
                      kHeight - 1);
}

}  // namespace

std::vector<uint8_t> drawWaveform(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight, kBackground);
    auto paint = [&pixels](int32_t x, int32_t top, int32_t bottom, Colour colour) {
        for (int32_t y = top; y <= bottom; ++y)
            pixels[static_cast<size_t>(y * kWidth + x)] = colour;
    };
    const double guide = 32767.0 * std::pow(10.0, -3.0 / 20);
    for (int32_t x = 0; x < kWidth; ++x) {
        for (const double level : {0.0, guide, -guide})
            paint(x, rowOf(level), rowOf(level), kGuide);
        const size_t from = samples.size() * static_cast<size_t>(x) / kWidth;
        const size_t to = std::max(from + 1, samples.size() * static_cast<size_t>(x + 1) / kWidth);
        if (from >= samples.size()) continue;
        int32_t low = 32767;
        int32_t high = -32768;
        double power = 0;
        for (size_t i = from; i < std::min(to, samples.size()); ++i) {
            low = std::min<int32_t>(low, samples[i]);
            high = std::max<int32_t>(high, samples[i]);
            power += static_cast<double>(samples[i]) * samples[i];
        }
        const double rms = std::sqrt(power / static_cast<double>(to - from));
        paint(x, rowOf(high), rowOf(low), kRange);
        paint(x, std::max(rowOf(high), rowOf(rms)), std::min(rowOf(low), rowOf(-rms)), kLoudness);
    }
    return encodePngIndexed(kWidth, kHeight, pixels, kPalette);
}

}  // namespace kestrway
