// The mixer on clips made here: the event ring, rate conversion, the soft
// clip, voices giving way, the engine's pitch, the alarm's repeats, and the
// silence of the mute and of held play. The listener is checked by the
// whole-game sound test, which times every effect through it.
#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

#include "platform/clip_resample.h"
#include "platform/frame_hold.h"
#include "platform/mixer_clips.h"
#include "platform/soft_clip.h"
#include "platform/sound.h"
#include "platform/sound_queue.h"

namespace kestrway {
namespace {

constexpr int32_t kRate = 48000;

SoundClip constantClip(int16_t value, int32_t frames, int32_t rate = kRate) {
    return SoundClip{std::vector<int16_t>(static_cast<size_t>(frames), value), rate};
}

// `cycles` whole periods of a sine over `frames` samples: a seamless loop.
SoundClip sineLoop(int32_t frames, int32_t cycles) {
    SoundClip clip{std::vector<int16_t>(static_cast<size_t>(frames)), kRate};
    for (int32_t i = 0; i < frames; ++i) {
        clip.samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(8000.0 * std::sin(2.0 * std::numbers::pi * cycles * i / frames));
    }
    return clip;
}

std::vector<int16_t> mix(int32_t frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames), int16_t{123});
    mixAudio(out.data(), frames);
    return out;
}

int32_t upwardCrossings(const std::vector<int16_t>& samples) {
    int32_t count = 0;
    for (size_t i = 1; i < samples.size(); ++i) count += samples[i - 1] < 0 && samples[i] >= 0;
    return count;
}

bool silent(const std::vector<int16_t>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](int16_t sample) { return sample == 0; });
}

size_t slotIndex(SoundEffect effect) {
    return static_cast<size_t>(effect);
}

class MixerTest : public ::testing::Test {
  protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        setEngineSound(EngineSound::Off, 0);
        setAlarm(false);
        setSoundMuted(false);
        resetFrameHold();
        startMixerWithClips(kRate, SoundClips{});
        stopMixer();
    }
};

TEST(SoundQueue, KeepsOrderThroughWrapsAndDropsWhenFull) {
    SoundQueue queue;
    SoundEvent event;
    // Many rounds so the counts wrap the ring again and again.
    for (int32_t round = 0; round < 5; ++round) {
        for (uint32_t i = 0; i < kSoundQueueSlots; ++i) {
            ASSERT_TRUE(queue.push(SoundEvent{SoundEventKind::Engine, 1, static_cast<int16_t>(i)}));
        }
        EXPECT_FALSE(queue.push(SoundEvent{SoundEventKind::Alarm, 1, 0})) << "full ring must drop";
        for (uint32_t i = 0; i < kSoundQueueSlots; ++i) {
            ASSERT_TRUE(queue.pop(event));
            EXPECT_EQ(event.speed, static_cast<int16_t>(i));
            EXPECT_EQ(event.kind, SoundEventKind::Engine);
        }
        EXPECT_FALSE(queue.pop(event));
    }
}

TEST(ClipResample, ConvertsLengthAndFollowsTheWaveform) {
    struct Case {
        int32_t from;
        int32_t to;
        size_t frames;
        size_t expected;
    };
    for (const Case c : {Case{22050, 44100, 100, 200}, Case{22050, 48000, 100, 218},
                         Case{44100, 22050, 101, 51}, Case{48000, 48000, 7, 7}}) {
        std::vector<int16_t> ramp(c.frames);
        for (size_t i = 0; i < c.frames; ++i) ramp[i] = static_cast<int16_t>(i * 100);
        const std::vector<int16_t> out = resampleClip(ramp, c.from, c.to);
        ASSERT_EQ(out.size(), c.expected) << c.from << " -> " << c.to;
        // A ramp stays a ramp: each output sample is the input's value at
        // its own time (within rounding), up to the last input sample.
        for (size_t i = 0; i < out.size(); ++i) {
            const double at =
                std::min(static_cast<double>(i) * c.from / c.to, static_cast<double>(c.frames - 1));
            EXPECT_NEAR(out[i], at * 100, 1.0) << c.from << " -> " << c.to << " at " << i;
        }
    }
    EXPECT_TRUE(resampleClip({}, 22050, 48000).empty());
}

TEST(SoftClip, PassesQuietSumsAndNeverReachesFullScale) {
    EXPECT_EQ(softClip(0), 0);
    EXPECT_EQ(softClip(kSoftClipKnee), kSoftClipKnee);
    EXPECT_EQ(softClip(-1234), -1234);
    int32_t previous = softClip(0);
    // Up to 16 voices at full scale: rising, symmetric, inside the range.
    for (int32_t sum = 1; sum <= 16 * 32768; sum += 7) {
        const int32_t bent = softClip(sum);
        ASSERT_GE(bent, previous) << sum;
        ASSERT_LT(bent, kSoftClipCeiling + 1) << sum;
        ASSERT_EQ(softClip(-sum), -bent) << sum;
        previous = bent;
    }
    EXPECT_GT(previous, 32000) << "loud sums still come out loud";
}

TEST_F(MixerTest, TheOldestEffectGivesWayAndLoudSumsAreBent) {
    SoundClips clips;
    clips[slotIndex(SoundEffect::Shot)] = constantClip(1000, kRate);
    clips[slotIndex(SoundEffect::Hit)] = constantClip(10, kRate);
    clips[slotIndex(SoundEffect::Rocket)] = constantClip(100, kRate);
    clips[slotIndex(SoundEffect::Explosion)] = constantClip(-30000, kRate);
    startMixerWithClips(kRate, clips);
    playSound(SoundEffect::Shot);
    for (int32_t i = 0; i < kMixerVoices - 2; ++i) playSound(SoundEffect::Hit);
    EXPECT_EQ(mix(16)[15], 1000 + 10 * (kMixerVoices - 2)) << "15 effect voices beside the engine";
    playSound(SoundEffect::Rocket);
    // The shot, started first, gave its voice to the rocket.
    EXPECT_EQ(mix(16)[0], 100 + 10 * (kMixerVoices - 2));
    playSound(SoundEffect::Explosion);
    playSound(SoundEffect::Explosion);
    EXPECT_EQ(mix(1)[0], softClip(100 + 10 * (kMixerVoices - 4) - 60000));
}

TEST_F(MixerTest, EffectsAreConvertedToTheDeviceRate) {
    SoundClips clips;
    clips[slotIndex(SoundEffect::Bonus)] = constantClip(500, 2205, 22050);  // 100 ms
    for (const int32_t rate : {44100, 48000}) {
        startMixerWithClips(rate, clips);
        playSound(SoundEffect::Bonus);
        const std::vector<int16_t> out = mix(rate / 5);
        EXPECT_EQ(std::count(out.begin(), out.end(), int16_t{500}), rate / 10) << rate;
        EXPECT_TRUE(silent({out.begin() + rate / 10, out.end()})) << rate;
    }
}

TEST_F(MixerTest, EnginePitchFollowsTheSpeedAndTheBoatHasItsOwnSound) {
    SoundClips clips;
    clips[kEngineSlot] = sineLoop(kRate / 10, 10);  // 100 Hz when idling
    clips[kBoatSlot] = sineLoop(kRate / 10, 30);    // 300 Hz
    startMixerWithClips(kRate, clips);
    struct Case {
        EngineSound kind;
        int32_t speed;
        int32_t hertz;
    };
    // The pitch rises a quarter for each unit of speed, reverse counted as
    // its size; the glide has settled after half a second.
    for (const Case c : {Case{EngineSound::Road, 0, 100}, Case{EngineSound::Road, 4, 200},
                         Case{EngineSound::Road, -2, 150}, Case{EngineSound::Boat, 0, 300},
                         Case{EngineSound::Boat, 2, 450}, Case{EngineSound::Off, 4, 0}}) {
        setEngineSound(c.kind, c.speed);
        for (int32_t i = 0; i < 50; ++i) mix(480);
        EXPECT_NEAR(upwardCrossings(mix(kRate)), c.hertz, 2) << c.speed;
    }
}

TEST_F(MixerTest, TheEngineInterpolatesAcrossFullScaleSteps) {
    SoundClips clips;
    clips[kEngineSlot] = SoundClip{{32767, -32768}, kRate};
    startMixerWithClips(kRate, clips);
    setEngineSound(EngineSound::Road, 3);  // 1.75 samples a step
    const std::vector<int16_t> out = mix(3);
    // At half level: the first sample, then 3/4 of the way from -32768 back
    // up to 32767, then halfway down again.
    EXPECT_EQ(out[0], 16383);
    EXPECT_NEAR(out[1], 8191, 1);
    EXPECT_NEAR(out[2], 0, 1);
}

TEST_F(MixerTest, TheAlarmRepeatsWhileOnAndStopsWhenOff) {
    SoundClips clips;
    clips[kAlarmSlot] = constantClip(700, kRate / 10);
    startMixerWithClips(kRate, clips);
    setAlarm(true);
    // 10 ms blocks over 3 s: a tenth of a second of alarm in each 0.9 s.
    std::vector<int32_t> starts;
    bool before = false;
    for (int32_t block = 0; block < 300; ++block) {
        const bool sounding = !silent(mix(480));
        if (sounding && !before) starts.push_back(block);
        before = sounding;
    }
    EXPECT_EQ(starts, (std::vector<int32_t>{0, 90, 180, 270}));
    setAlarm(false);
    for (int32_t block = 0; block < 10; ++block) mix(480);
    EXPECT_TRUE(silent(mix(kRate))) << "no new alarm once it is off";
}

TEST_F(MixerTest, MuteAndHeldPlayAreSilentAndHeldPlayResumesWhereItWas) {
    SoundClips clips;
    clips[slotIndex(SoundEffect::GameOver)] = constantClip(0, 4800);
    std::iota(clips[slotIndex(SoundEffect::GameOver)]->samples.begin(),
              clips[slotIndex(SoundEffect::GameOver)]->samples.end(), int16_t{0});
    clips[kEngineSlot] = sineLoop(kRate / 10, 10);
    startMixerWithClips(kRate, clips);
    setEngineSound(EngineSound::Road, 1);
    playSound(SoundEffect::GameOver);
    setEngineSound(EngineSound::Off, 0);
    EXPECT_EQ(mix(100)[99], 99);

    noteFrameSleep();
    pauseKeyPressed();
    ASSERT_TRUE(framesHeld());
    EXPECT_TRUE(silent(mix(480)));
    pauseKeyPressed();
    EXPECT_EQ(mix(1)[0], 100) << "the jingle goes on from where the hold stopped it";

    setSoundMuted(true);
    playSound(SoundEffect::GameOver);
    EXPECT_TRUE(silent(mix(9600)));
    setSoundMuted(false);
    EXPECT_TRUE(silent(mix(480))) << "effects raised or sounding while muted are dropped";
    setEngineSound(EngineSound::Road, 0);
    EXPECT_FALSE(silent(mix(480)));
}

}  // namespace
}  // namespace kestrway
