// The sound event ring and the mixer with a real game thread and a real
// audio thread, built on its own so that the ThreadSanitizer run can check
// every access between them (tests/e2e/tsan_run.sh). The ring's order and
// its drops when full are checked on one thread beside the mixer's tests.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound.h"

namespace kestrway {
namespace {

// Enough calls to fill the event ring many times over.
constexpr int32_t kGameCalls = 20000;

// The game's calls, the mute from a third thread and the audio callback,
// all at once; afterwards the mixer plays the engine as last set.
TEST(SoundThreads, GameAudioAndMuteThreadsTogether) {
    SoundClips clips;
    clips[static_cast<size_t>(SoundEffect::Shot)] =
        SoundClip{std::vector<int16_t>(300, 900), 48000};
    clips[kEngineSlot] = SoundClip{std::vector<int16_t>(480, 500), 48000};
    startMixerWithClips(48000, clips);
    std::atomic<bool> done{false};
    std::thread game([&] {
        for (int32_t i = 0; i < kGameCalls; ++i) {
            playSound(static_cast<SoundEffect>(i % static_cast<int32_t>(SoundEffect::Count)));
            setEngineSound(i % 3 == 0 ? EngineSound::Boat : EngineSound::Road, i % 7 - 2);
            setAlarm(i % 5 == 0);
        }
        setAlarm(false);
        setEngineSound(EngineSound::Road, 0);
        done.store(true, std::memory_order_release);
    });
    std::thread mute([&] {
        for (int32_t i = 0; i < 1000; ++i) setSoundMuted(i % 2 == 0);
        setSoundMuted(false);
    });
    std::vector<int16_t> buffer(480);
    while (!done.load(std::memory_order_acquire)) mixAudio(buffer.data(), 480);
    game.join();
    mute.join();
    // A change dropped by a full ring goes again with the next frame's call;
    // the shot clip lasts 300 samples, so the last block holds the engine
    // alone, at half its level under the effects.
    mixAudio(buffer.data(), 480);
    setEngineSound(EngineSound::Road, 0);
    for (int32_t i = 0; i < 3; ++i) mixAudio(buffer.data(), 480);
    EXPECT_EQ(buffer[479], 250);
    stopMixer();
}

}  // namespace
}  // namespace kestrway
