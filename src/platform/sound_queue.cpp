// The lock-free sound event ring.
#include "platform/sound_queue.h"

namespace kestrway {

static_assert((kSoundQueueSlots & (kSoundQueueSlots - 1)) == 0,
              "the counts wrap through 2^32, so the ring must divide it");

bool SoundQueue::push(const SoundEvent& event) {
    const uint32_t pushed = pushed_.load(std::memory_order_relaxed);
    if (pushed - popped_.load(std::memory_order_acquire) == kSoundQueueSlots) return false;
    slots_[pushed % kSoundQueueSlots] = event;
    pushed_.store(pushed + 1, std::memory_order_release);
    return true;
}

bool SoundQueue::pop(SoundEvent& event) {
    const uint32_t popped = popped_.load(std::memory_order_relaxed);
    if (pushed_.load(std::memory_order_acquire) == popped) return false;
    event = slots_[popped % kSoundQueueSlots];
    popped_.store(popped + 1, std::memory_order_release);
    return true;
}

SoundQueue& soundQueue() {
    static SoundQueue queue;
    return queue;
}

}  // namespace kestrway
