// The looping sounds: the car's engine at idle (the game raises its pitch
// with speed) and the boat's chugging. Every layer repeats a whole number of
// times in the loop, so its last sample flows into its first.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "sound_synth.h"
#include "sounds.h"

namespace kestrway {

namespace {

// Where a layer that repeats `cycles` times per loop is in its cycle at
// sample n: 0..1, exactly periodic in the loop's length.
double cyclePhase(size_t n, size_t length, size_t cycles) {
    return static_cast<double>((n * cycles) % length) / static_cast<double>(length);
}

double pulse(double phase, double duty) {
    return phase < duty ? 1.0 : -1.0;
}

double triangle(double phase) {
    return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
}

// Noise that holds each value for `hold` samples and repeats with the loop
// (hold divides the length).
std::vector<float> loopNoise(size_t length, size_t hold, uint32_t seed) {
    NoiseSource source(seed);
    std::vector<float> values(length / hold);
    for (float& value : values) value = source.next();
    std::vector<float> noise(length);
    for (size_t n = 0; n < length; ++n) noise[n] = values[n / hold];
    return noise;
}

// A beat's envelope: a quick rise, then an exponential fall to the next.
double beat(double phase, double riseFraction, double fallRate) {
    if (phase < riseFraction) return phase / riseFraction;
    return std::exp(-(phase - riseFraction) * fallRate);
}

// Starts the loop where it passes closest to silence: the sound then begins
// without a click, and its seam falls where the waveform is calm. Turning a
// loop round keeps it a loop.
void startNearSilence(std::vector<float>& loop) {
    size_t best = 0;
    float bestLevel = 2;
    for (size_t n = 0; n < loop.size(); ++n) {
        const float before = loop[(n + loop.size() - 1) % loop.size()];
        const float level = std::abs(before) + std::abs(loop[n]);
        if (level < bestLevel) {
            bestLevel = level;
            best = n;
        }
    }
    std::rotate(loop.begin(), loop.begin() + static_cast<ptrdiff_t>(best), loop.end());
}

}  // namespace

// 0.2 s: a 50 Hz pulse and its octave, ten cycles each beat, firing at 25 Hz
// with a breath of noise, softened.
NamedSound engineSound() {
    constexpr size_t kLength = kSoundRate / 5;
    const std::vector<float> noise = loopNoise(kLength, 9, 0x5EED01);
    std::vector<float> mix(kLength);
    for (size_t n = 0; n < kLength; ++n) {
        const double firing = 0.55 + 0.45 * beat(cyclePhase(n, kLength, 5), 0.08, 3.5);
        const double body = 0.6 * pulse(cyclePhase(n, kLength, 10), 0.3) +
                            0.3 * pulse(cyclePhase(n, kLength, 20), 0.5) +
                            0.2 * triangle(cyclePhase(n, kLength, 30));
        mix[n] = static_cast<float>(firing * (body + 0.25 * noise[n]));
    }
    lowPass(mix, 900, true);
    startNearSilence(mix);
    return {"engine", finishSound(mix, -7), true};
}

// 0.6 s: three chugs, each a low triangle thump with a splash of dark noise
// over a steady low hum.
NamedSound boatSound() {
    constexpr size_t kLength = kSoundRate * 3 / 5;
    const std::vector<float> noise = loopNoise(kLength, 30, 0xB0A7);
    std::vector<float> mix(kLength);
    for (size_t n = 0; n < kLength; ++n) {
        const double chug = beat(cyclePhase(n, kLength, 3), 0.03, 6);
        const double thump = triangle(cyclePhase(n, kLength, 45));          // 75 Hz
        const double hum = 0.25 * pulse(cyclePhase(n, kLength, 33), 0.25);  // 55 Hz
        mix[n] = static_cast<float>(chug * (0.8 * thump + 0.6 * noise[n]) + hum);
    }
    lowPass(mix, 700, true);
    startNearSilence(mix);
    return {"boat", finishSound(mix, -7), true};
}

}  // namespace kestrway
