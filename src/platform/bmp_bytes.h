// Bounds-checked little-endian reads from a file held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kestrway {

inline std::optional<uint32_t> readLittleEndian(std::span<const uint8_t> bytes, uint64_t offset,
                                                uint32_t count) {
    if (offset > bytes.size() || bytes.size() - offset < count) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (uint32_t i = 0; i < count; ++i) {
        value |= static_cast<uint32_t>(bytes[static_cast<size_t>(offset) + i]) << (8 * i);
    }
    return value;
}

inline std::optional<uint32_t> readU16(std::span<const uint8_t> bytes, uint64_t offset) {
    return readLittleEndian(bytes, offset, 2);
}

inline std::optional<uint32_t> readU32(std::span<const uint8_t> bytes, uint64_t offset) {
    return readLittleEndian(bytes, offset, 4);
}

}  // namespace kestrway
