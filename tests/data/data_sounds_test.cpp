// The committed sounds (their bytes are pinned by the regeneration test), read as the game reads
// them: the game's names and the files agree, each in the shipped form, within the level and
// length limits, the two loops seamless, and no two alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <set>

#include "platform/sound_files.h"
#include "platform/wav_file.h"

namespace kestrway {
namespace {

const std::string kFolder = std::string(KESTRWAY_DATA_DIR) + "/sfx/";
// -3 dBFS of a 16-bit sample.
const int32_t kMaxPeak = static_cast<int32_t>(32768 * std::pow(10.0, -3.0 / 20));

std::vector<std::string> gameSoundNames() {
    std::vector<std::string> names{std::string(kEngineSoundName), std::string(kBoatSoundName),
                                   std::string(kAlarmSoundName)};
    for (size_t i = 0; i < static_cast<size_t>(SoundEffect::Count); ++i) {
        names.emplace_back(soundEffectName(static_cast<SoundEffect>(i)));
    }
    return names;
}

const std::map<std::string, std::vector<int16_t>>& sounds() {
    static const auto* loaded = [] {
        auto* clips = new std::map<std::string, std::vector<int16_t>>;
        for (const std::string& name : gameSoundNames()) {
            std::string error;
            std::optional<SoundClip> clip = loadWavFile(kFolder + name + ".wav", error);
            EXPECT_TRUE(clip) << name << ": " << error;
            if (clip) (*clips)[name] = std::move(clip->samples);
        }
        return clips;
    }();
    return *loaded;
}

int32_t peak(const std::vector<int16_t>& samples) {
    int32_t largest = 0;
    for (const int16_t s : samples) largest = std::max(largest, std::abs(int32_t{s}));
    return largest;
}

// The sum of the products of the first `length` samples of a and b.
double dot(const std::vector<int16_t>& a, const std::vector<int16_t>& b, size_t length) {
    return std::inner_product(a.begin(), a.begin() + static_cast<ptrdiff_t>(length), b.begin(),
                              0.0);
}

TEST(DataSounds, EveryGameSoundIsThereInTheShippedFormAndNothingElse) {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        files.insert(entry.path().stem().string());
        EXPECT_EQ(entry.path().extension(), ".wav") << entry.path();
    }
    const std::vector<std::string> names = gameSoundNames();
    EXPECT_EQ(files, std::set<std::string>(names.begin(), names.end()));
    for (const std::string& name : names) {
        std::ifstream in(kFolder + name + ".wav", std::ios::binary);
        std::vector<uint8_t> header(40);
        in.read(reinterpret_cast<char*>(header.data()), 40);
        // PCM, one channel, 22,050 Hz (44,100 bytes a second, 2 a frame), 16 bits, with the data
        // right after a 16-byte format.
        EXPECT_EQ(std::vector<uint8_t>(header.begin() + 20, header.end()),
                  (std::vector<uint8_t>{1, 0, 1, 0, 0x22, 0x56, 0,   0,   0x44, 0xAC,
                                        0, 0, 2, 0, 16,   0,    'd', 'a', 't',  'a'}))
            << name;
    }
}

// Loud enough to hear, never over -3 dBFS, and short: the alarm repeats, an effect is over
// quickly, a jingle fills a still screen's moment.
TEST(DataSounds, LevelsAndLengthsStayWithinTheirLimits) {
    const std::map<std::string, double> maxSeconds = {
        {"engine", 0.5},          {"boat", 1},        {"alarm", 0.5},        {"get_ready", 2.5},
        {"stage_completed", 2.5}, {"game_over", 2.5}, {"car_explosion", 1.5}};
    for (const auto& [name, samples] : sounds()) {
        EXPECT_LE(peak(samples), kMaxPeak) << name;
        EXPECT_GE(peak(samples), kMaxPeak / 4) << name;  // -15 dBFS
        const auto limit = maxSeconds.find(name);
        const double seconds = static_cast<double>(samples.size()) / 22050;
        EXPECT_LE(seconds, limit == maxSeconds.end() ? 0.7 : limit->second) << name;
    }
    // The player's car going up is the bigger blast.
    const auto energy = [](const std::vector<int16_t>& s) { return dot(s, s, s.size()); };
    EXPECT_GT(energy(sounds().at("car_explosion")), 1.5 * energy(sounds().at("explosion")));
}

// A loop's last sample must flow into its first: the step across the seam is an ordinary one
// for that waveform (a loop cut mid-cycle jumps by far more), and it starts near silence so the
// engine starting is no click either.
TEST(DataSounds, LoopsJoinWithoutAStepAndStartNearSilence) {
    for (const char* name : {"engine", "boat"}) {
        const std::vector<int16_t>& loop = sounds().at(name);
        ASSERT_GT(loop.size(), 100u) << name;
        std::vector<int32_t> steps;
        for (size_t i = 1; i < loop.size(); ++i) steps.push_back(std::abs(loop[i] - loop[i - 1]));
        std::sort(steps.begin(), steps.end());
        const int32_t ninetiethPercentile = steps[steps.size() * 9 / 10];
        EXPECT_LE(std::abs(loop.front() - loop.back()), ninetiethPercentile) << name;
        EXPECT_LE(std::abs(loop.front()), 32768 / 50) << name;
        EXPECT_LE(std::abs(loop.back()), 32768 / 50) << name;
    }
}

// No sound a copy of another: each pair's normalized correlation over their common length stays
// well short of one.
TEST(DataSounds, NoTwoSoundsAlike) {
    for (auto a = sounds().begin(); a != sounds().end(); ++a) {
        for (auto b = std::next(a); b != sounds().end(); ++b) {
            const size_t n = std::min(a->second.size(), b->second.size());
            const double product = dot(a->second, b->second, n);
            EXPECT_LT(std::abs(product) /
                          std::sqrt(dot(a->second, a->second, n) * dot(b->second, b->second, n)),
                      0.8)
                << a->first << " and " << b->first;
        }
    }
}

}  // namespace
}  // namespace kestrway
