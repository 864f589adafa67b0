// Unsigned LEB128 numbers, as the replay files store counts and codes:
// seven bits a byte, low bits first, the top bit set on every byte but the last.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrway {

inline void appendVarint(std::vector<uint8_t>& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<uint8_t>(value));
}

// Reads one number at `position` and moves past it; false (position
// unchanged) when the bytes end first or the number takes more than 64 bits.
inline bool readVarint(std::span<const uint8_t> in, size_t& position, uint64_t& value) {
    uint64_t result = 0;
    size_t at = position;
    for (int32_t shift = 0; shift < 64; shift += 7) {
        if (at >= in.size()) return false;
        const uint8_t byte = in[at++];
        const uint64_t bits = byte & 0x7Fu;
        if (shift == 63 && bits > 1) return false;
        result |= bits << shift;
        if ((byte & 0x80) == 0) {
            position = at;
            value = result;
            return true;
        }
    }
    return false;
}

}  // namespace kestrway
