// Turning a chunk's text into tile codes and into the 8-bit 16x50 BMP the game reads.
#include "map_writer.h"

#include <array>
#include <stdexcept>
#include <string>

#include "bmp_writer.h"

namespace kestrway {
namespace {

uint8_t tileCode(char symbol) {
    switch (symbol) {
        case '.':
            return 0;
        case '1':
            return 1;
        case '2':
            return 2;
        case '~':
            return 3;
        case 'T':
            return 4;
        default:
            throw std::runtime_error(std::string("unknown map symbol '") + symbol + "'");
    }
}

std::array<uint32_t, 256> tilePalette() {
    std::array<uint32_t, 256> palette{};
    palette[0] = 0x4C8E3A;   // grass
    palette[1] = 0x6E7078;   // road, up lanes
    palette[2] = 0x56585E;   // road, down lanes
    palette[3] = 0x2C68B2;   // water
    palette[4] = 0x1E5020;   // tree
    palette[10] = 0x969692;  // tower
    palette[15] = 0xF4F4EE;  // start line
    for (uint32_t code = 6; code <= 9; ++code) {
        palette[code] = 0x7A9A50;  // corners
    }
    return palette;
}

}  // namespace

std::vector<uint8_t> chunkTileCodes(const MapChunkSource& source) {
    std::vector<uint8_t> codes;
    codes.reserve(kChunkSourceColumns * kChunkSourceRows);
    for (const std::string_view row : source.rows) {
        if (row.size() != kChunkSourceColumns) {
            throw std::runtime_error("map " + std::string(source.name) +
                                     " has a row of the wrong width");
        }
        for (const char symbol : row) {
            codes.push_back(tileCode(symbol));
        }
    }
    return codes;
}

std::vector<uint8_t> encodeMapChunk(const std::vector<uint8_t>& codes) {
    return encodeBmp8(kChunkSourceColumns, kChunkSourceRows, codes, tilePalette());
}

}  // namespace kestrway
