// The sound generator's oscillators, envelopes, filter and level.
#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kestrway {

namespace {

// The fade every tone ends with.
constexpr double kEndFadeSeconds = 0.004;

double envelope(const Tone& tone, double t) {
    double level = tone.attack > 0 ? std::min(1.0, t / tone.attack) : 1.0;
    if (tone.decayCurve > 0)
        level *= std::pow(std::max(0.0, 1.0 - t / tone.seconds), tone.decayCurve);
    return level * std::min(1.0, (tone.seconds - t) / kEndFadeSeconds);
}

double pitchAt(const Tone& tone, double t) {
    double hz = tone.startHz * std::pow(tone.endHz / tone.startHz, t / tone.seconds);
    if (tone.vibratoDepth > 0) {
        hz *= 1 + tone.vibratoDepth * std::sin(2 * std::numbers::pi * tone.vibratoHz * t);
    }
    return hz;
}

}  // namespace

float NoiseSource::next() {
    // Numerical Recipes' LCG; its top 16 bits are the noise.
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int32_t>(state_ >> 16) - 32768) / 32768.0f;
}

double noteHz(int32_t note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void addTone(std::vector<float>& mix, double atSeconds, const Tone& tone) {
    const auto start = static_cast<size_t>(std::lround(atSeconds * kSoundRate));
    const auto length = static_cast<size_t>(std::lround(tone.seconds * kSoundRate));
    if (mix.size() < start + length) mix.resize(start + length, 0.0f);
    NoiseSource noise(tone.noiseSeed);
    float held = noise.next();
    double phase = 0;
    for (size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        double value = 0;
        switch (tone.wave) {
            case Wave::Pulse:
                value = phase < tone.duty ? 1.0 : -1.0;
                break;
            case Wave::Triangle:
                value = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
                break;
            case Wave::Noise:
                value = held;
                break;
        }
        mix[start + i] += static_cast<float>(value * tone.volume * envelope(tone, t));
        phase += pitchAt(tone, t) / kSoundRate;
        if (phase >= 1) {
            phase -= std::floor(phase);
            held = noise.next();
        }
    }
}

void lowPass(std::vector<float>& samples, double cutoffHz, bool circular) {
    if (samples.empty()) return;
    const double keep = std::exp(-2 * std::numbers::pi * cutoffHz / kSoundRate);
    double state = circular ? 0 : samples.front();
    // Round a loop once first, so the state entering its first sample is the
    // one its last sample leaves.
    if (circular) {
        for (const float sample : samples) state = sample + keep * (state - sample);
    }
    for (float& sample : samples) {
        state = sample + keep * (state - sample);
        sample = static_cast<float>(state);
    }
}

std::vector<int16_t> finishSound(const std::vector<float>& mix, double peakDb) {
    if (peakDb > -3) throw std::runtime_error("a sound must peak at or below -3 dBFS");
    float peak = 0;
    for (const float sample : mix) peak = std::max(peak, std::abs(sample));
    if (peak == 0) throw std::runtime_error("a silent sound");
    const double scale = 32767.0 * std::pow(10.0, peakDb / 20) / peak;
    std::vector<int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(), [scale](float sample) {
        return static_cast<int16_t>(std::lround(sample * scale));
    });
    return samples;
}

}  // namespace kestrway
