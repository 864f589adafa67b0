// M: the mute's toggle and the line that tells it.
#include "platform/sound_toggle.h"

#include <atomic>

#include "platform/mixer.h"

namespace kestrway {
namespace {

// When the line stops showing; below zero: no line. Written and read by the
// window layer's thread, atomic so a test may look from another.
std::atomic<double> gLineUntil{-1.0};

}  // namespace

void soundKeyPressed(double nowSeconds) {
    setSoundMuted(!soundMuted());
    gLineUntil.store(nowSeconds + kSoundLineSeconds, std::memory_order_relaxed);
}

std::string_view soundLine(double nowSeconds) {
    if (nowSeconds >= gLineUntil.load(std::memory_order_relaxed)) return {};
    return soundMuted() ? kSoundOffLine : kSoundOnLine;
}

void resetSoundLine() {
    gLineUntil.store(-1.0, std::memory_order_relaxed);
}

}  // namespace kestrway
