// Sound in the browser: the page's Web Audio graph pulls the mixer through
// these exported functions, on the page's one thread between the game's
// sleeps, at the audio context's own rate.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/mixer.h"

namespace {

// The page asks for one audio buffer at a time; its node's buffers are
// smaller than this.
constexpr int32_t kMaxFrames = 4096;

std::array<int16_t, kMaxFrames> gSamples{};

}  // namespace

extern "C" {

// The audio context exists (its rate is known): the mixer loads the sounds.
EMSCRIPTEN_KEEPALIVE void kestrwayStartAudio(int32_t deviceRate) {
    kestrway::startMixer(deviceRate);
}

// Mixes the next frameCount samples (at most kMaxFrames) and returns where
// they are, for the page to copy into its buffer.
EMSCRIPTEN_KEEPALIVE const int16_t* kestrwayMixAudio(int32_t frameCount) {
    kestrway::mixAudio(gSamples.data(), std::clamp(frameCount, 0, kMaxFrames));
    return gSamples.data();
}

EMSCRIPTEN_KEEPALIVE int32_t kestrwaySoundMuted() {
    return kestrway::soundMuted() ? 1 : 0;
}

}  // extern "C"
