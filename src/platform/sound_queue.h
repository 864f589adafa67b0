// The ring that carries sound events from the game thread to the audio side:
// one producer, one consumer, no locks. A full ring drops the new event
// rather than make the game wait.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace kestrway {

enum class SoundEventKind : uint8_t { Effect, Engine, Alarm };

struct SoundEvent {
    SoundEventKind kind = SoundEventKind::Effect;
    // The SoundEffect, the EngineSound, or the alarm's 1 (on) or 0 (off).
    uint8_t value = 0;
    // The engine's signed speed.
    int16_t speed = 0;
};

constexpr uint32_t kSoundQueueSlots = 64;

class SoundQueue {
  public:
    // Producer only. False when the ring is full: the event is dropped.
    bool push(const SoundEvent& event);
    // Consumer only. False when the ring is empty.
    bool pop(SoundEvent& event);

  private:
    std::array<SoundEvent, kSoundQueueSlots> slots_{};
    // Free-running counts; their difference is the number of events waiting.
    std::atomic<uint32_t> popped_{0};
    std::atomic<uint32_t> pushed_{0};
};

// The one queue between the game's playSound/setEngineSound/setAlarm and the
// mixer.
SoundQueue& soundQueue();

}  // namespace kestrway
