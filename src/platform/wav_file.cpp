// Reading RIFF WAVE PCM sound files into mono 16-bit clips, refusing every
// other form with a one-line reason.
#include "platform/wav_file.h"

#include <array>
#include <cstdio>
#include <new>

#include "platform/bmp_bytes.h"
#include "platform/file_open.h"

namespace kestrway {

namespace {

constexpr uint32_t kFormatPcm = 1;
constexpr uint32_t kFormatExtensible = 0xFFFE;
// The sub-format of an extensible PCM file after its first two bytes (the
// tag 1): the rest of the GUID 00000001-0000-0010-8000-00AA00389B71.
constexpr std::array<uint8_t, 14> kPcmGuidTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                  0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Telephone quality up to studio rates: anything outside is not a sound file
// anyone meant for a game.
constexpr uint32_t kMinRate = 8000;
constexpr uint32_t kMaxRate = 192000;

struct Chunk {
    uint32_t id = 0;
    std::span<const uint8_t> body;
};

constexpr uint32_t fourCc(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(text[3])) << 24;
}

struct PcmFormat {
    uint32_t channels = 0;
    uint32_t rate = 0;
    uint32_t bits = 0;
    uint32_t blockAlign = 0;
};

// The fmt chunk's body; nullopt and the reason when it is not mono or stereo
// 8- or 16-bit integer PCM at a common rate.
std::optional<PcmFormat> readFormat(std::span<const uint8_t> body, std::string& error) {
    if (body.size() < 16) {
        error = "format chunk shorter than 16 bytes";
        return std::nullopt;
    }
    const uint32_t tag = *readU16(body, 0);
    PcmFormat format{.channels = *readU16(body, 2),
                     .rate = *readU32(body, 4),
                     .bits = *readU16(body, 14),
                     .blockAlign = *readU16(body, 12)};
    const uint32_t byteRate = *readU32(body, 8);
    if (tag == kFormatExtensible) {
        const std::optional<uint32_t> extra = readU16(body, 16);
        if (body.size() < 40 || !extra || *extra < 22) {
            error = "extensible format chunk shorter than 40 bytes";
            return std::nullopt;
        }
        const std::optional<uint32_t> subTag = readU16(body, 24);
        bool pcm = subTag == kFormatPcm;
        for (size_t i = 0; i < kPcmGuidTail.size(); ++i)
            pcm = pcm && body[26 + i] == kPcmGuidTail[i];
        if (!pcm) {
            error = "extensible format that is not integer PCM";
            return std::nullopt;
        }
    } else if (tag != kFormatPcm) {
        error = "format " + std::to_string(tag) + " is not PCM";
        return std::nullopt;
    }
    if (format.channels != 1 && format.channels != 2) {
        error = std::to_string(format.channels) + " channels (only mono or stereo)";
        return std::nullopt;
    }
    if (format.bits != 8 && format.bits != 16) {
        error = std::to_string(format.bits) + "-bit samples (only 8 or 16)";
        return std::nullopt;
    }
    if (format.rate < kMinRate || format.rate > kMaxRate) {
        error = "rate " + std::to_string(format.rate) + " Hz (only 8,000 to 192,000)";
        return std::nullopt;
    }
    if (format.blockAlign != format.channels * format.bits / 8 ||
        byteRate != format.rate * format.blockAlign) {
        error = "block size or byte rate does not match the sample form";
        return std::nullopt;
    }
    return format;
}

// One sample frame as a mono 16-bit sample: 8-bit samples are unsigned, and
// stereo is the two channels' mean.
int16_t monoSample(const uint8_t* frame, const PcmFormat& format) {
    int32_t sum = 0;
    for (uint32_t channel = 0; channel < format.channels; ++channel) {
        if (format.bits == 8) {
            sum += (static_cast<int32_t>(frame[channel]) - 128) * 256;
        } else {
            const uint8_t* sample = frame + 2 * channel;
            sum += static_cast<int16_t>(static_cast<uint16_t>(sample[0] | sample[1] << 8));
        }
    }
    // An arithmetic shift: the mean rounded down, within int16_t.
    return static_cast<int16_t>(format.channels == 2 ? sum >> 1 : sum);
}

}  // namespace

std::optional<SoundClip> parseWav(std::span<const uint8_t> bytes, std::string& error) {
    if (static_cast<int64_t>(bytes.size()) > kMaxWavFileBytes) {
        error = "larger than 8 MiB";
        return std::nullopt;
    }
    if (bytes.size() < 12 || readU32(bytes, 0) != fourCc("RIFF") ||
        readU32(bytes, 8) != fourCc("WAVE")) {
        error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    const uint64_t declared = uint64_t{*readU32(bytes, 4)} + 8;
    if (declared > bytes.size()) {
        error = "truncated: the file is shorter than its RIFF header says";
        return std::nullopt;
    }
    // Bytes after the RIFF's declared end (some tools pad files) are ignored.
    const std::span<const uint8_t> riff = bytes.first(static_cast<size_t>(declared));
    std::optional<PcmFormat> format;
    std::optional<Chunk> data;
    for (uint64_t at = 12; at < riff.size() && !data;) {
        const std::optional<uint32_t> id = readU32(riff, at);
        const std::optional<uint32_t> size = readU32(riff, at + 4);
        if (!id || !size || riff.size() - (at + 8) < *size) {
            error = "truncated: a chunk runs past the end of the file";
            return std::nullopt;
        }
        const std::span<const uint8_t> body = riff.subspan(static_cast<size_t>(at + 8), *size);
        if (*id == fourCc("fmt ")) {
            if (format) {
                error = "two format chunks";
                return std::nullopt;
            }
            format = readFormat(body, error);
            if (!format) return std::nullopt;
        } else if (*id == fourCc("data")) {
            data = Chunk{*id, body};
        }
        // Chunks are padded to an even length.
        at += 8 + uint64_t{*size} + (*size & 1);
    }
    if (!data) {
        error = "no data chunk";
        return std::nullopt;
    }
    if (!format) {
        error = "no format chunk before the data";
        return std::nullopt;
    }
    if (data->body.size() % format->blockAlign != 0) {
        error = "truncated: the data ends inside a sample";
        return std::nullopt;
    }
    const size_t frames = data->body.size() / format->blockAlign;
    if (frames == 0) {
        error = "no samples";
        return std::nullopt;
    }
    SoundClip clip;
    try {
        clip.samples.resize(frames);
    } catch (const std::bad_alloc&) {
        error = "out of memory";
        return std::nullopt;
    }
    clip.rate = static_cast<int32_t>(format->rate);
    for (size_t i = 0; i < frames; ++i) {
        clip.samples[i] = monoSample(data->body.data() + i * format->blockAlign, *format);
    }
    return clip;
}

std::optional<SoundClip> loadWavFile(const std::string& path, std::string& error) {
    BoundedFile opened = openBoundedFile(path, kMaxWavFileBytes);
    if (opened.result == ErrorCode::kFileNotFound) {
        error = "no such file";
        return std::nullopt;
    }
    if (opened.result != ErrorCode::kOk) {
        error = "not a readable regular file of at most 8 MiB";
        return std::nullopt;
    }
    // Never more than the bound, whatever the file grows to while it is read.
    std::vector<uint8_t> bytes;
    try {
        bytes.reserve(static_cast<size_t>(opened.size));
        std::array<uint8_t, 16384> chunk{};
        size_t got = 0;
        while ((got = std::fread(chunk.data(), 1, chunk.size(), opened.file.get())) > 0) {
            if (static_cast<int64_t>(bytes.size() + got) > kMaxWavFileBytes) {
                error = "larger than 8 MiB";
                return std::nullopt;
            }
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<ptrdiff_t>(got));
        }
    } catch (const std::bad_alloc&) {
        error = "out of memory";
        return std::nullopt;
    }
    if (std::ferror(opened.file.get()) != 0) {
        error = "read error";
        return std::nullopt;
    }
    return parseWav(bytes, error);
}

}  // namespace kestrway
