// The four map chunks as readable text: 50 rows of 16 tiles, far end (row 0) first.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kestrway {

constexpr int32_t kChunkSourceColumns = 16;
constexpr int32_t kChunkSourceRows = 50;

// One character per tile: '.' grass, '1' road driving up (lanes 1-3), '2' road
// driving down (lanes 4 and on), '~' water, 'T' tree.
struct MapChunkSource {
    std::string_view name;  // the file name without folder or extension: "01" .. "04"
    std::array<std::string_view, kChunkSourceRows> rows;
};

const std::array<MapChunkSource, 4>& mapChunkSources();

}  // namespace kestrway
