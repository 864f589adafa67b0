// Rumble requests from the game's sound effects, handed to the presenters
// through one atomic word so the game thread never waits on them.
#include "platform/pad_rumble.h"

#include <atomic>

namespace kestrway {
namespace {

enum class RumbleKind : uint32_t { None, Hit, Destroyed };

// The serial above two bits of kind: one load reads both consistently.
std::atomic<uint32_t> gLatest{0};

constexpr float kHitStrength = 0.5f;
constexpr float kDestroyedStrength = 1.0f;

}  // namespace

void rumbleForEffect(SoundEffect effect) {
    RumbleKind kind = RumbleKind::None;
    if (effect == SoundEffect::Hit) kind = RumbleKind::Hit;
    if (effect == SoundEffect::CarExplosion) kind = RumbleKind::Destroyed;
    if (kind == RumbleKind::None) return;
    uint32_t latest = gLatest.load(std::memory_order_relaxed);
    uint32_t next = 0;
    do {
        next = (((latest >> 2) + 1) << 2) | static_cast<uint32_t>(kind);
    } while (!gLatest.compare_exchange_weak(latest, next, std::memory_order_relaxed));
}

Rumble latestRumble() {
    const uint32_t latest = gLatest.load(std::memory_order_relaxed);
    const auto kind = static_cast<RumbleKind>(latest & 3u);
    Rumble rumble;
    rumble.serial = latest >> 2;
    if (kind == RumbleKind::Hit) {
        rumble.strength = kHitStrength;
        rumble.durationMs = kHitRumbleMs;
    } else if (kind == RumbleKind::Destroyed) {
        rumble.strength = kDestroyedStrength;
        rumble.durationMs = kDestroyedRumbleMs;
    }
    return rumble;
}

}  // namespace kestrway
