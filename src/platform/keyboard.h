// Held keys by PC scan code and the ring of typed keys (which also carries
// the window's close request). Read on the game thread under the screen lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrway {

constexpr int32_t kScanEscape = 1;
constexpr int32_t kScanSpace = 57;
constexpr int32_t kScanUp = 72;
constexpr int32_t kScanLeft = 75;
constexpr int32_t kScanRight = 77;
constexpr int32_t kScanDown = 80;

constexpr int32_t kKeyStateCount = 128;
constexpr int32_t kKeyBufferSlots = 16;

// The code the window adds when its close button is pressed; reads back as
// the two characters 255 and 'k'.
constexpr uint32_t kCloseKeyCode = 0x6BFF;
inline constexpr std::string_view CloseKey{"\xFFk", 2};

// A key without a character: 255 + 256 x its code (the scan code for the
// cursor keys).
constexpr uint32_t extendedKeyCode(uint32_t code) {
    return 255u + 256u * code;
}

// -1 while the key is held down, 0 otherwise (also for codes outside 0..127
// and before the screen is open).
int32_t isKeyDown(int32_t scanCode);
// The oldest typed key: "" when none, one character for codes up to 255, two
// (code & 255, code / 256) for larger ones.
std::string readKey();

}  // namespace kestrway
