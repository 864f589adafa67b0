// The game's side of sound: each call posts one event to the queue. The
// engine and the alarm are posted only when they change, so the frame loop's
// call every frame costs a comparison.
#include <algorithm>
#include <atomic>

#include "platform/sound.h"
#include "platform/sound_queue.h"

namespace kestrway {
namespace {

struct SentState {
    EngineSound engine = EngineSound::Off;
    int32_t speed = 0;
    bool alarm = false;
};

// Game thread only: what the mixer has been told.
SentState gSent;
std::atomic<SoundListener> gListener{nullptr};

}  // namespace

void playSound(SoundEffect effect) {
    soundQueue().push(SoundEvent{SoundEventKind::Effect, static_cast<uint8_t>(effect), 0});
    if (const SoundListener listener = gListener.load(std::memory_order_acquire)) {
        listener(effect);
    }
}

void setEngineSound(EngineSound kind, int32_t speed) {
    if (kind == EngineSound::Off) speed = 0;
    if (kind == gSent.engine && speed == gSent.speed) return;
    const auto clamped = static_cast<int16_t>(std::clamp(speed, -32768, 32767));
    // A dropped change is sent again on the next call.
    if (soundQueue().push(
            SoundEvent{SoundEventKind::Engine, static_cast<uint8_t>(kind), clamped})) {
        gSent.engine = kind;
        gSent.speed = speed;
    }
}

void setAlarm(bool on) {
    if (on == gSent.alarm) return;
    if (soundQueue().push(SoundEvent{SoundEventKind::Alarm, static_cast<uint8_t>(on ? 1 : 0), 0})) {
        gSent.alarm = on;
    }
}

void setSoundListener(SoundListener listener) {
    gListener.store(listener, std::memory_order_release);
}

}  // namespace kestrway
