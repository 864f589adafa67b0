// The mixer's output stage: sums of up to 16 voices bent smoothly into the
// 16-bit range instead of clipped, so a busy moment never crackles.
#pragma once

#include <cstdint>

namespace kestrway {

// Below the knee a sample passes unchanged; above it the excess is squeezed
// towards full scale, which it approaches but never reaches.
constexpr int32_t kSoftClipKnee = 24576;
constexpr int32_t kSoftClipCeiling = 32767;

constexpr int16_t softClip(int32_t sum) {
    const int32_t magnitude = sum < 0 ? -sum : sum;
    if (magnitude <= kSoftClipKnee) return static_cast<int16_t>(sum);
    constexpr int64_t room = kSoftClipCeiling - kSoftClipKnee;
    const int64_t excess = magnitude - kSoftClipKnee;
    const auto bent = static_cast<int32_t>(kSoftClipKnee + excess * room / (excess + room));
    return static_cast<int16_t>(sum < 0 ? -bent : bent);
}

}  // namespace kestrway
