// The sound event ring and the mixer with a real game thread and a real
// audio thread, built on its own so that the ThreadSanitizer run can check
// every access between them (tests/e2e/tsan_run.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/mixer.h"
#include "platform/mixer_clips.h"
#include "platform/sound.h"
#include "platform/sound_queue.h"

namespace kestrway {
namespace {

constexpr int32_t kEvents = 200000;

// Sequence numbers through the ring: the consumer must see them rising one
// by one except where a full ring dropped some, never twice, never torn.
TEST(SoundThreads, TheRingKeepsOrderBetweenTwoThreads) {
    SoundQueue queue;
    std::atomic<bool> done{false};
    int32_t dropped = 0;
    std::thread producer([&] {
        for (int32_t i = 0; i < kEvents; ++i) {
            const auto low = static_cast<uint8_t>(i & 0xFF);
            const auto high = static_cast<int16_t>(i >> 8);
            if (!queue.push(SoundEvent{SoundEventKind::Effect, low, high})) ++dropped;
        }
        done.store(true, std::memory_order_release);
    });
    int32_t received = 0;
    int32_t last = -1;
    SoundEvent event;
    for (;;) {
        const bool finished = done.load(std::memory_order_acquire);
        while (queue.pop(event)) {
            const int32_t number = event.speed * 256 + event.value;
            ASSERT_GT(number, last);
            last = number;
            ++received;
        }
        if (finished) break;
        std::this_thread::yield();
    }
    producer.join();
    EXPECT_EQ(received + dropped, kEvents);
}

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
        for (int32_t i = 0; i < kEvents / 10; ++i) {
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
