// The sound generator's instruments: retro oscillators (pulse, triangle,
// noise) with pitch sweeps and envelopes, added into a mix of float samples.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrway {

constexpr int32_t kSoundRate = 22050;

enum class Wave : uint8_t { Pulse, Triangle, Noise };

// One note or effect layer. Its pitch glides exponentially from startHz to
// endHz; noise draws a new value startHz..endHz times a second, so a lower
// "pitch" sounds darker. The envelope rises over attack seconds, then falls
// as (1 - t/seconds)^decayCurve (0 holds it level), and always fades out over
// its last few milliseconds so it never ends in a click.
struct Tone {
    Wave wave = Wave::Pulse;
    double startHz = 440;
    double endHz = 440;
    double seconds = 0.1;
    double volume = 1;
    double duty = 0.5;  // the pulse's high fraction
    double attack = 0.002;
    double decayCurve = 0;
    double vibratoHz = 0;
    double vibratoDepth = 0;  // a fraction of the pitch
    uint32_t noiseSeed = 1;
};

// A frequency from a note number (69 is A at 440 Hz).
double noteHz(int32_t note);

// Adds tone into mix starting at atSeconds, growing mix as needed.
void addTone(std::vector<float>& mix, double atSeconds, const Tone& tone);

// A one-pole low-pass over the samples: softens the square edges of a layer
// without changing its character. circular runs it round the sound twice so
// a loop's filter state at its start matches its end.
void lowPass(std::vector<float>& samples, double cutoffHz, bool circular);

// Scales the mix so its largest sample peaks at peakDb below full scale
// (never above -3 dBFS) and rounds it to 16-bit samples.
std::vector<int16_t> finishSound(const std::vector<float>& mix, double peakDb);

// Our own fixed generator for noise: the same sequence on every run.
class NoiseSource {
  public:
    explicit NoiseSource(uint32_t seed) : state_(seed) {}
    // -1..1
    float next();

  private:
    uint32_t state_;
};

}  // namespace kestrway
