// The WAV loader: every form it takes read to the right samples, every other
// form refused with its reason, and the file front end's bounds.
#include "platform/wav_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kestrway {
namespace {

void putU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

void putId(std::vector<uint8_t>& out, const char* id) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(id[i]));
}

void putChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body) {
    putId(out, id);
    putU32(out, static_cast<uint32_t>(body.size()));
    for (uint8_t b : body) out.push_back(b);
    if (body.size() % 2 != 0) out.push_back(0);
}

// A WAV file's parts, each open to damage before it is assembled.
struct WavParts {
    uint32_t tag = 1;
    uint32_t channels = 1;
    uint32_t rate = 22050;
    uint32_t bits = 16;
    std::vector<uint8_t> data = {};
    bool extensible = false;
    uint32_t subTag = 1;
    std::vector<uint8_t> chunkBeforeFormat = {};  // an odd-sized "LIST" when set
    bool dataBeforeFormat = false;
    bool twoFormats = false;
    int32_t blockAlignChange = 0;

    std::vector<uint8_t> format() const {
        std::vector<uint8_t> fmt;
        const uint32_t blockAlign = channels * bits / 8 + static_cast<uint32_t>(blockAlignChange);
        putU16(fmt, extensible ? 0xFFFE : tag);
        putU16(fmt, channels);
        putU32(fmt, rate);
        putU32(fmt, rate * blockAlign);
        putU16(fmt, blockAlign);
        putU16(fmt, bits);
        if (extensible) {
            putU16(fmt, 22);
            putU16(fmt, bits);  // valid bits
            putU32(fmt, channels == 1 ? 4 : 3);
            putU16(fmt, subTag);
            for (uint8_t b : {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00,
                              0x38, 0x9B, 0x71})
                fmt.push_back(b);
        }
        return fmt;
    }

    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> body;
        putId(body, "WAVE");
        if (!chunkBeforeFormat.empty()) putChunk(body, "LIST", chunkBeforeFormat);
        if (dataBeforeFormat) putChunk(body, "data", data);
        putChunk(body, "fmt ", format());
        if (twoFormats) putChunk(body, "fmt ", format());
        if (!dataBeforeFormat) putChunk(body, "data", data);
        std::vector<uint8_t> file;
        putId(file, "RIFF");
        putU32(file, static_cast<uint32_t>(body.size()));
        for (uint8_t b : body) file.push_back(b);
        return file;
    }
};

std::vector<uint8_t> samples16(std::initializer_list<int16_t> values) {
    std::vector<uint8_t> out;
    for (int16_t v : values) putU16(out, static_cast<uint16_t>(v));
    return out;
}

TEST(WavFile, EachFormThatLoadsGivesMonoSixteenBitSamplesAtItsRate) {
    WavParts mono16{.data = samples16({0, 32767, -32768, -2})};
    WavParts mono8{.bits = 8, .data = {0, 128, 255, 64, 1}};  // odd length: a padded chunk
    WavParts stereo16{.channels = 2, .data = samples16({1000, 3000, -32768, -32768, -3, 0})};
    WavParts stereo8{.channels = 2, .bits = 8, .data = {255, 255, 0, 128, 128, 129}};
    WavParts extensible{.rate = 44100, .data = samples16({7, -7}), .extensible = true};
    WavParts withList{.rate = 48000, .data = samples16({5}), .chunkBeforeFormat = {1, 2, 3}};
    const struct {
        const char* name;
        WavParts parts;
        std::vector<int16_t> samples;
    } forms[] = {
        {"16-bit mono", mono16, {0, 32767, -32768, -2}},
        {"8-bit mono", mono8, {-32768, 0, 32512, -16384, -32512}},
        {"16-bit stereo", stereo16, {2000, -32768, -2}},
        {"8-bit stereo", stereo8, {32512, -16384, 128}},
        {"extensible PCM", extensible, {7, -7}},
        {"other chunk first", withList, {5}},
    };
    for (const auto& form : forms) {
        std::string error;
        const std::optional<SoundClip> clip = parseWav(form.parts.bytes(), error);
        ASSERT_TRUE(clip) << form.name << ": " << error;
        EXPECT_EQ(clip->samples, form.samples) << form.name;
        EXPECT_EQ(clip->rate, static_cast<int32_t>(form.parts.rate)) << form.name;
    }
}

// A good 16-bit mono file of four samples with one part changed.
std::vector<uint8_t> changed(void (*change)(WavParts&)) {
    WavParts parts{.data = samples16({1, 2, 3, 4})};
    change(parts);
    return parts.bytes();
}

std::vector<uint8_t> good() {
    return changed([](WavParts&) {});
}

// The good file (52 bytes; the fmt body starts at 20, the data chunk at 36)
// with one byte set.
std::vector<uint8_t> patched(size_t offset, uint8_t value) {
    std::vector<uint8_t> bytes = good();
    bytes[offset] = value;
    return bytes;
}

// The good file cut to `size` bytes, its RIFF header saying `riffSize`.
std::vector<uint8_t> cut(size_t size, uint8_t riffSize) {
    std::vector<uint8_t> bytes = good();
    bytes.resize(size);
    bytes[4] = riffSize;
    return bytes;
}

TEST(WavFile, EveryOtherFormIsRefusedWithItsReason) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* reason;
    } forms[] = {
        {"empty", {}, "not a RIFF WAVE"},
        {"RIFF but not WAVE", patched(8, 'X'), "not a RIFF WAVE"},
        {"cut in the data", cut(49, 44), "shorter than its RIFF header says"},
        {"chunk past the end", patched(40, 16), "runs past the end"},
        {"cut in a chunk header", cut(42, 34), "truncated"},
        {"short fmt", patched(16, 14), "shorter than 16"},
        {"no data", cut(36, 28), "no data chunk"},
        {"over 8 MiB", std::vector<uint8_t>(kMaxWavFileBytes + 1, 0), "8 MiB"},
        {"odd data for 16-bit", changed([](WavParts& p) { p.data.pop_back(); }), "inside a sample"},
        {"no samples", changed([](WavParts& p) { p.data.clear(); }), "no samples"},
        {"float", changed([](WavParts& p) { p.tag = 3; }), "format 3 is not PCM"},
        {"extensible float", changed([](WavParts& p) {
             p.extensible = true;
             p.subTag = 3;
         }),
         "not integer PCM"},
        {"3 channels", changed([](WavParts& p) { p.channels = 3; }), "3 channels"},
        {"0 channels", changed([](WavParts& p) { p.channels = 0; }), "0 channels"},
        {"24-bit", changed([](WavParts& p) { p.bits = 24; }), "24-bit"},
        {"4 kHz", changed([](WavParts& p) { p.rate = 4000; }), "rate 4000"},
        {"1 MHz", changed([](WavParts& p) { p.rate = 1000000; }), "rate 1000000"},
        {"block size wrong", changed([](WavParts& p) { p.blockAlignChange = 2; }), "block size"},
        {"data before fmt", changed([](WavParts& p) { p.dataBeforeFormat = true; }),
         "no format chunk"},
        {"two fmt", changed([](WavParts& p) { p.twoFormats = true; }), "two format chunks"},
    };
    for (const auto& form : forms) {
        std::string error;
        EXPECT_FALSE(parseWav(form.bytes, error)) << form.name;
        EXPECT_NE(error.find(form.reason), std::string::npos) << form.name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << form.name;
    }
}

// Reading good files is the shipped sounds' test; the front end's own
// refusals are these.
TEST(WavFile, TheFileFrontEndRefusesMissingFilesFoldersAndHugeFiles) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kestrway_wav_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string error;
    EXPECT_FALSE(loadWavFile((folder / "missing.wav").string(), error));
    EXPECT_EQ(error, "no such file");
    EXPECT_FALSE(loadWavFile(folder.string(), error));
    EXPECT_FALSE(error.empty());

    // A valid header in front of a file one byte over the bound.
    std::vector<uint8_t> huge = good();
    huge.resize(kMaxWavFileBytes + 1, 0);
    std::ofstream(folder / "huge.wav", std::ios::binary)
        .write(reinterpret_cast<const char*>(huge.data()),
               static_cast<std::streamsize>(huge.size()));
    EXPECT_FALSE(loadWavFile((folder / "huge.wav").string(), error));
    EXPECT_NE(error.find("8 MiB"), std::string::npos) << error;
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kestrway
