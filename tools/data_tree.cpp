// Writes the whole generated data tree: gfx/, fonts/, map/ and sfx/ under one root folder.
#include "data_tree.h"

#include <stdexcept>
#include <string>

#include "bmp_writer.h"
#include "file_output.h"
#include "font_files.h"
#include "font_licence.h"
#include "map_writer.h"
#include "pictures.h"
#include "pixel_art.h"
#include "sound_synth.h"
#include "sounds.h"
#include "title_font.h"
#include "wav_writer.h"

namespace kestrway {
namespace {

// Tiles are copied opaque, so a mask-coloured pixel would show as magenta;
// sprites must have some transparency or they would draw as a square.
void checkPicture(const NamedPicture& named) {
    bool anyMask = false;
    for (const uint32_t colour : named.picture.pixels) {
        anyMask = anyMask || isMaskColour(colour);
    }
    if (named.kind == PictureKind::Tile && anyMask) {
        throw std::runtime_error(named.path + " is a tile but has mask-coloured pixels");
    }
    if (named.kind == PictureKind::Sprite && !anyMask) {
        throw std::runtime_error(named.path + " is a sprite without transparent pixels");
    }
}

void writePictures(const std::filesystem::path& root) {
    std::vector<NamedPicture> pictures;
    for (auto family : {forestTiles(), desertTiles(), markerPictures(), vehiclePictures(),
                        projectilePictures()}) {
        for (NamedPicture& named : family) {
            pictures.push_back(std::move(named));
        }
    }
    pictures.push_back(logoPicture(kLogoFontPath));
    for (const NamedPicture& named : pictures) {
        checkPicture(named);
        writeOutputFile(root, named.path, encodeBmp24(named.picture));
    }
}

void writeFonts(const std::filesystem::path& root) {
    writeOutputFile(root, "fonts/arial_16_white.bmp", encodeBmp32(renderTitleFont(kTitleFontPath)));
    const std::string_view licence = fontLicenceText();
    writeOutputFile(root, "fonts/LICENSE.txt",
                    std::vector<uint8_t>(licence.begin(), licence.end()));
}

void writeMaps(const std::filesystem::path& root) {
    const std::string palette = formatTilePalette();
    writeOutputFile(root, "map/tiles.gpl", std::vector<uint8_t>(palette.begin(), palette.end()));
    for (const MapChunkSource& source : mapChunkSources()) {
        writeOutputFile(root, "map/" + std::string(source.name) + ".bmp",
                        encodeMapChunk(chunkTileCodes(source)));
    }
}

void writeSounds(const std::filesystem::path& root) {
    for (const NamedSound& sound : allSounds()) {
        writeOutputFile(root, "sfx/" + sound.name + ".wav",
                        encodeWav16Mono(sound.samples, kSoundRate));
    }
}

}  // namespace

void writeDataTree(const std::filesystem::path& root) {
    writePictures(root);
    writeFonts(root);
    writeMaps(root);
    writeSounds(root);
}

}  // namespace kestrway
