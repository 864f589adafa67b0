// Reads the raw mono 16-bit sound a game wrote through SDL's disk driver and
// says what is in it after a byte offset: how many samples are not silent,
// where the first of them is, and whether a sound file's samples (converted
// to the file's rate as the mixer converts them) follow there unchanged.
// Usage: find_sound RAW_FILE FROM_BYTE TO_BYTE RATE [WAV_FILE [MAX_SAMPLES]]
// Prints "sounding N first_ms T" (T -1 when all is silent) and, with a WAV,
// " matches K of L": K of the clip's first L samples (all of them, or at
// most MAX_SAMPLES) are in the file unchanged.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/clip_resample.h"
#include "platform/wav_file.h"

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: find_sound RAW_FILE FROM_BYTE TO_BYTE RATE [WAV_FILE]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const size_t from = std::strtoull(argv[2], nullptr, 10) / 2;
    const size_t to = std::min<size_t>(std::strtoull(argv[3], nullptr, 10), bytes.size()) / 2;
    const int32_t rate = std::atoi(argv[4]);
    const auto* samples = reinterpret_cast<const int16_t*>(bytes.data());
    size_t sounding = 0;
    size_t first = to;
    for (size_t i = from; i < to; ++i) {
        if (samples[i] == 0) continue;
        ++sounding;
        if (first == to) first = i;
    }
    const double firstMs = first == to ? -1.0 : static_cast<double>(first - from) * 1000.0 / rate;
    std::printf("sounding %zu first_ms %.1f", sounding, firstMs);
    if (argc > 5) {
        std::string error;
        const auto clip = kestrway::loadWavFile(argv[5], error);
        if (!clip) {
            std::printf(" unreadable %s\n", error.c_str());
            return 1;
        }
        const std::vector<int16_t> expected =
            kestrway::resampleClip(clip->samples, clip->rate, rate);
        // The clip starts a few samples before the first one that is not 0
        // when it opens with silence.
        size_t lead = 0;
        while (lead < expected.size() && expected[lead] == 0) ++lead;
        size_t compared = expected.size() - lead;
        if (argc > 6) compared = std::min<size_t>(compared, std::strtoull(argv[6], nullptr, 10));
        size_t matches = 0;
        for (size_t i = 0; i < compared && first + i < to; ++i) {
            matches += samples[first + i] == expected[lead + i];
        }
        std::printf(" matches %zu of %zu", matches, compared);
    }
    std::printf("\n");
    return 0;
}
