// Encoding sounds as RIFF WAVE PCM, mono, 16-bit: a 44-byte header and the
// samples, little-endian.
#include "wav_writer.h"

#include <string_view>

namespace kestrway {

namespace {

void put(std::vector<uint8_t>& out, uint32_t value, int32_t bytes) {
    for (int32_t i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putId(std::vector<uint8_t>& out, std::string_view id) {
    for (const char c : id) out.push_back(static_cast<uint8_t>(c));
}

}  // namespace

std::vector<uint8_t> encodeWav16Mono(const std::vector<int16_t>& samples, int32_t rate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putId(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    putId(out, "WAVEfmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, static_cast<uint32_t>(rate), 4);
    put(out, static_cast<uint32_t>(rate) * 2, 4);  // bytes a second
    put(out, 2, 2);                                // bytes a sample
    put(out, 16, 2);
    putId(out, "data");
    put(out, dataBytes, 4);
    for (const int16_t sample : samples) put(out, static_cast<uint16_t>(sample), 2);
    return out;
}

}  // namespace kestrway
