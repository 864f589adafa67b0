// Reading sound files: RIFF WAVE PCM, 8- or 16-bit, mono or stereo, any
// common rate, at most 8 MiB. Anything else is refused with a reason.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrway {

constexpr int64_t kMaxWavFileBytes = 8 * 1024 * 1024;

// One sound as mono 16-bit samples at the file's own rate.
struct SoundClip {
    std::vector<int16_t> samples;
    int32_t rate = 0;
};

// The bytes of a whole file; nullopt and a one-line reason when they are
// not a form we load.
std::optional<SoundClip> parseWav(std::span<const uint8_t> bytes, std::string& error);
// Reads path with a bounded read, then parseWav.
std::optional<SoundClip> loadWavFile(const std::string& path, std::string& error);

}  // namespace kestrway
