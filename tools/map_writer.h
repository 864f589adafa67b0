// Turning a chunk's text into tile codes and into the 8-bit 16x50 BMP the game reads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map_sources.h"

namespace kestrway {

// 800 tile codes, row-major, row 0 first; throws std::runtime_error on a row of the
// wrong length or an unknown character.
std::vector<uint8_t> chunkTileCodes(const MapChunkSource& source);
// 8-bit bottom-up BMP whose pixel values are the codes; the palette shows each
// code in a colour like its tile so the file can be looked at.
std::vector<uint8_t> encodeMapChunk(const std::vector<uint8_t>& codes);
// A GIMP palette (.gpl) of the 21 tile codes, entry i for code i in the
// colour the map files show it in, named by what the code does; the codes
// without a picture in the game's pale green "blank" colour. Drawing a chunk
// with it gives pixel values that are the tile codes.
std::string formatTilePalette();

}  // namespace kestrway
