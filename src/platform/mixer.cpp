// The mixer: drains the game's sound events, then sums the engine loop and
// up to 15 effect voices into the device's buffer through a soft clip.
// Everything it plays was converted to the device's rate when it started,
// so a voice is a plain run of samples and mixing never allocates.
#include "platform/mixer.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <vector>

#include "platform/clip_resample.h"
#include "platform/frame_hold.h"
#include "platform/mixer_clips.h"
#include "platform/soft_clip.h"
#include "platform/sound_queue.h"

namespace kestrway {
namespace {

// Voice 0 is the engine; the rest play effects, the jingles and the alarm.
constexpr int32_t kEffectVoices = kMixerVoices - 1;
constexpr int32_t kMixChunkFrames = 1024;
// The engine's pitch as a 16.16 step through its loop: the recorded pitch
// when idling, a quarter higher for each unit of speed.
constexpr int64_t kUnitStep = 1 << 16;
constexpr int64_t kStepPerSpeed = kUnitStep / 4;
// Each mix moves the pitch a quarter of the way to the speed's, so a gear
// change glides instead of stepping.
constexpr int64_t kPitchGlideDivisor = 4;
// The engine sits under the effects so that they stay readable.
constexpr int32_t kEngineShift = 1;
// The alarm sounds again this often while it is on.
constexpr int32_t kAlarmPeriodMs = 900;

struct Voice {
    const int16_t* samples = nullptr;  // null: free
    int32_t length = 0;
    int32_t position = 0;
    uint32_t started = 0;  // order of starting, for giving way
};

struct MixerState {
    int32_t rate = 0;
    std::array<std::vector<int16_t>, kSoundSlots> clips;
    std::array<Voice, kEffectVoices> voices;
    uint32_t startCount = 0;
    // The engine, as the game last set it.
    EngineSound engine = EngineSound::Off;
    int32_t engineSpeed = 0;
    int64_t enginePosition = 0;  // 16.16 within the loop
    int64_t engineStep = kUnitStep;
    bool alarm = false;
    int64_t alarmCountdown = 0;  // frames until the alarm sounds again
    std::array<int32_t, kMixChunkFrames> sums{};
};

MixerState gMixer;
std::atomic<bool> gMuted{false};

int64_t engineTargetStep() {
    return kUnitStep + kStepPerSpeed * std::abs(gMixer.engineSpeed);
}

const std::vector<int16_t>& engineClip() {
    return gMixer
        .clips[static_cast<size_t>(gMixer.engine == EngineSound::Boat ? kBoatSlot : kEngineSlot)];
}

void startVoice(int32_t slot) {
    const std::vector<int16_t>& clip = gMixer.clips[static_cast<size_t>(slot)];
    if (clip.empty()) return;
    Voice* chosen = &gMixer.voices[0];
    for (Voice& voice : gMixer.voices) {
        if (voice.samples == nullptr) {
            chosen = &voice;
            break;
        }
        if (voice.started < chosen->started) chosen = &voice;
    }
    *chosen = Voice{clip.data(), static_cast<int32_t>(clip.size()), 0, gMixer.startCount++};
}

void setEngine(EngineSound kind, int32_t speed) {
    const bool wasOff = gMixer.engine == EngineSound::Off;
    gMixer.engine = kind;
    gMixer.engineSpeed = speed;
    // Starting from silence there is no pitch to glide from.
    if (wasOff) gMixer.engineStep = engineTargetStep();
    const std::vector<int16_t>& clip = engineClip();
    if (!clip.empty()) gMixer.enginePosition %= static_cast<int64_t>(clip.size()) << 16;
}

void setAlarmState(bool on) {
    if (on && !gMixer.alarm) gMixer.alarmCountdown = 0;
    gMixer.alarm = on;
}

void takeEvents(bool muted) {
    SoundEvent event;
    while (soundQueue().pop(event)) {
        switch (event.kind) {
            case SoundEventKind::Effect:
                if (!muted && event.value < static_cast<uint8_t>(SoundEffect::Count)) {
                    startVoice(event.value);
                }
                break;
            case SoundEventKind::Engine:
                setEngine(static_cast<EngineSound>(event.value), event.speed);
                break;
            case SoundEventKind::Alarm:
                setAlarmState(event.value != 0);
                break;
        }
    }
}

void addEngine(int32_t frames) {
    if (gMixer.engine == EngineSound::Off) return;
    const std::vector<int16_t>& clip = engineClip();
    if (clip.empty()) return;
    const int64_t length = static_cast<int64_t>(clip.size());
    const int64_t end = length << 16;
    int64_t position = gMixer.enginePosition;
    const int64_t step = gMixer.engineStep;
    for (int32_t i = 0; i < frames; ++i) {
        const int64_t index = position >> 16;
        const int32_t a = clip[static_cast<size_t>(index)];
        const int32_t b = clip[static_cast<size_t>(index + 1 < length ? index + 1 : 0)];
        // 64-bit: a full-scale step times a 16-bit fraction passes 2^31.
        const int64_t between = (int64_t{b - a} * (position & 0xFFFF)) >> 16;
        gMixer.sums[static_cast<size_t>(i)] += static_cast<int32_t>(a + between) >> kEngineShift;
        position += step;
        if (position >= end) position -= end;
    }
    gMixer.enginePosition = position;
}

void addVoices(int32_t frames) {
    for (Voice& voice : gMixer.voices) {
        if (voice.samples == nullptr) continue;
        const int32_t count = std::min(frames, voice.length - voice.position);
        const int16_t* from = voice.samples + voice.position;
        for (int32_t i = 0; i < count; ++i) gMixer.sums[static_cast<size_t>(i)] += from[i];
        voice.position += count;
        if (voice.position == voice.length) voice.samples = nullptr;
    }
}

void stepAlarm(int32_t frames) {
    if (!gMixer.alarm) return;
    if (gMixer.alarmCountdown <= 0) {
        startVoice(kAlarmSlot);
        gMixer.alarmCountdown += int64_t{gMixer.rate} * kAlarmPeriodMs / 1000;
    }
    gMixer.alarmCountdown -= frames;
}

void mixChunk(int16_t* out, int32_t frames) {
    stepAlarm(frames);
    std::fill_n(gMixer.sums.begin(), frames, 0);
    addEngine(frames);
    addVoices(frames);
    for (int32_t i = 0; i < frames; ++i) out[i] = softClip(gMixer.sums[static_cast<size_t>(i)]);
    gMixer.engineStep += (engineTargetStep() - gMixer.engineStep) / kPitchGlideDivisor;
}

void silenceVoices() {
    for (Voice& voice : gMixer.voices) voice.samples = nullptr;
}

}  // namespace

void startMixerWithClips(int32_t deviceRate, const SoundClips& clips) {
    silenceVoices();
    gMixer.rate = deviceRate;
    for (size_t slot = 0; slot < clips.size(); ++slot) {
        gMixer.clips[slot].clear();
        if (clips[slot] && deviceRate > 0) {
            gMixer.clips[slot] = resampleClip(clips[slot]->samples, clips[slot]->rate, deviceRate);
        }
    }
    gMixer.enginePosition = 0;
    gMixer.engineStep = engineTargetStep();
    // Effects raised while nothing played are stale now; the engine's and
    // the alarm's states still hold.
    takeEvents(true);
}

void mixAudio(int16_t* out, int32_t frameCount) {
    const bool muted = gMuted.load(std::memory_order_relaxed);
    takeEvents(muted);
    if (muted) silenceVoices();
    // While play is held the voices wait where they are and go on after.
    if (muted || framesHeld() || gMixer.rate == 0) {
        std::fill_n(out, std::max(frameCount, 0), int16_t{0});
        return;
    }
    for (int32_t done = 0; done < frameCount; done += kMixChunkFrames) {
        mixChunk(out + done, std::min(kMixChunkFrames, frameCount - done));
    }
}

void stopMixer() {
    silenceVoices();
    gMixer.rate = 0;
}

void setSoundMuted(bool muted) {
    gMuted.store(muted, std::memory_order_relaxed);
}

bool soundMuted() {
    return gMuted.load(std::memory_order_relaxed);
}

}  // namespace kestrway
