// A pad's rumble: a short one when the car takes damage, a longer one when
// it is destroyed. The game raises the sound effects; this turns them into
// requests that each backend plays on the pads it has, from its presenter
// pass.
#pragma once

#include <cstdint>

#include "platform/sound.h"

namespace kestrway {

struct Rumble {
    uint32_t serial = 0;    // grows with each request; 0 = none yet
    float strength = 0.0f;  // 0 .. 1, for both motors
    int32_t durationMs = 0;
};

constexpr int32_t kHitRumbleMs = 150;
constexpr int32_t kDestroyedRumbleMs = 700;

// Game thread (the sound listener): the rumble, if any, an effect asks for.
void rumbleForEffect(SoundEffect effect);
// Any thread: the latest request. A backend plays it when its serial differs
// from the last one it played.
Rumble latestRumble();
// Registers rumbleForEffect as the sound listener (the program entries call
// it when a backend with pads starts).
void listenForRumble();

}  // namespace kestrway
