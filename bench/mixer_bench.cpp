// Speed of the mixer: 16 voices (the engine's loop at a pitch between its
// samples and 15 effects) into 10 ms of 48,000 Hz output, set against a
// floor timed in the same run: summing 16 buffers of that length into one.
// Counters: mix_us and sum_us per 10 ms of sound, x_sum their ratio, all in
// processor time of this thread.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound.h"

namespace kestrway {
namespace {

constexpr int32_t kRate = 48000;
constexpr int32_t kFrames = kRate / 100;
constexpr int32_t kClipSeconds = 10;
// Each clip lasts this many mixes; the effects are raised again before.
constexpr int32_t kMixesPerClip = kClipSeconds * 100 - 1;

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

SoundClip noiseClip(uint32_t seed) {
    SoundClip clip{std::vector<int16_t>(static_cast<size_t>(kRate * kClipSeconds)), kRate};
    for (int16_t& sample : clip.samples) {
        seed = seed * 1664525u + 1013904223u;
        sample = static_cast<int16_t>(static_cast<int32_t>(seed >> 16) % 23000);
    }
    return clip;
}

void raiseFifteenEffects() {
    for (int32_t i = 0; i < kMixerVoices - 1; ++i) {
        playSound(static_cast<SoundEffect>(i % static_cast<int32_t>(SoundEffect::Count)));
    }
}

void BM_MixSixteenVoices(benchmark::State& state) {
    SoundClips clips;
    for (int32_t slot = 0; slot < kSoundSlots; ++slot) {
        clips[static_cast<size_t>(slot)] = noiseClip(static_cast<uint32_t>(slot + 1));
    }
    startMixerWithClips(kRate, clips);
    setEngineSound(EngineSound::Road, 3);  // a pitch between samples
    std::vector<int16_t> out(kFrames);
    std::array<std::vector<int16_t>, kMixerVoices> buffers;
    for (size_t i = 0; i < buffers.size(); ++i) {
        buffers[i] =
            std::vector<int16_t>(clips[i]->samples.begin(), clips[i]->samples.begin() + kFrames);
    }
    std::vector<int32_t> sums(kFrames);
    double mixSeconds = 0;
    double sumSeconds = 0;
    int64_t mixes = 0;
    for (auto _ : state) {
        if (mixes % kMixesPerClip == 0) raiseFifteenEffects();
        const double start = threadSeconds();
        mixAudio(out.data(), kFrames);
        benchmark::DoNotOptimize(out.data());
        const double mixed = threadSeconds();
        // The floor: the same 16 x 480 samples added and narrowed, nothing else.
        std::fill(sums.begin(), sums.end(), 0);
        for (const std::vector<int16_t>& buffer : buffers) {
            for (int32_t i = 0; i < kFrames; ++i)
                sums[static_cast<size_t>(i)] += buffer[static_cast<size_t>(i)];
        }
        for (int32_t i = 0; i < kFrames; ++i) {
            out[static_cast<size_t>(i)] =
                static_cast<int16_t>(std::clamp(sums[static_cast<size_t>(i)], -32768, 32767));
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        const double summed = threadSeconds();
        mixSeconds += mixed - start;
        sumSeconds += summed - mixed;
        ++mixes;
    }
    stopMixer();
    setEngineSound(EngineSound::Off, 0);
    const auto count = static_cast<double>(std::max<int64_t>(mixes, 1));
    state.counters["mix_us"] = mixSeconds / count * 1e6;
    state.counters["sum_us"] = sumSeconds / count * 1e6;
    state.counters["x_sum"] = sumSeconds > 0 ? mixSeconds / sumSeconds : 0;
}
BENCHMARK(BM_MixSixteenVoices)->MinTime(1.0);

}  // namespace
}  // namespace kestrway
