// Turning a chunk's text into tile codes and into the 8-bit 16x50 BMP the game reads.
#include "map_writer.h"

#include <array>
#include <cstdio>
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

// The game draws codes without a picture in the colour every tile starts in.
constexpr uint32_t kBlankTile = 0x64FF64;
constexpr int32_t kTileCodes = 21;

const char* tileCodeName(int32_t code) {
    switch (code) {
        case 0:
            return "0 grass";
        case 1:
            return "1 road (cars of kind 1)";
        case 2:
            return "2 road (cars of kind 2)";
        case 3:
            return "3 water";
        case 4:
            return "4 tree";
        case 6:
            return "6 corner: road right and below";
        case 7:
            return "7 corner: road left and above";
        case 8:
            return "8 corner: road right and above";
        case 9:
            return "9 corner: road left and below";
        case 10:
            return "10 gun tower";
        case 15:
            return "15 start line";
        default:
            return nullptr;
    }
}

}  // namespace

std::string formatTilePalette() {
    const std::array<uint32_t, 256> palette = tilePalette();
    std::string text = "GIMP Palette\nName: Kestrway tiles\nColumns: 7\n#\n";
    for (int32_t code = 0; code < kTileCodes; ++code) {
        const char* name = tileCodeName(code);
        const std::string label =
            name != nullptr ? name : std::to_string(code) + " no picture, no behaviour";
        uint32_t colour = name != nullptr ? palette[static_cast<size_t>(code)] : kBlankTile;
        // Every entry gets a colour of its own, a shade apart where the map
        // files share one, so a paint program that matches colours to
        // entries still lands on the right code.
        if (code >= 6 && code <= 9) colour += 0x040404u * static_cast<uint32_t>(code - 6);
        if (name == nullptr)
            colour = (kBlankTile & 0x00FFFF) | static_cast<uint32_t>(40 + 8 * code) << 16;
        char line[96];
        std::snprintf(line, sizeof(line), "%3u %3u %3u\t%s\n", colour >> 16, colour >> 8 & 0xFF,
                      colour & 0xFF, label.c_str());
        text += line;
    }
    return text;
}

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
