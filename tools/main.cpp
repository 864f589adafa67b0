// kestrway_datagen: writes the game's data tree (gfx/, fonts/, map/, sfx/), the built-in font
// include, the program's icon (as a pixel include, as SVG and as a Windows icon file) and the
// pictures of the sounds' waveforms.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app_icon.h"
#include "builtin_font.h"
#include "data_tree.h"
#include "file_output.h"
#include "font_files.h"
#include "sound_pictures.h"
#include "sounds.h"
#include "windows_icon.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> outputRoot;
    std::optional<std::filesystem::path> builtinFontFile;
    std::optional<std::filesystem::path> appIconFile;
    std::optional<std::filesystem::path> iconSvgFile;
    std::optional<std::filesystem::path> windowsIconFile;
    std::optional<std::filesystem::path> soundPictureFolder;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--builtin-font" && i + 1 < argc) {
            options.builtinFontFile = argv[++i];
        } else if (arg == "--app-icon" && i + 1 < argc) {
            options.appIconFile = argv[++i];
        } else if (arg == "--icon-svg" && i + 1 < argc) {
            options.iconSvgFile = argv[++i];
        } else if (arg == "--windows-icon" && i + 1 < argc) {
            options.windowsIconFile = argv[++i];
        } else if (arg == "--sound-pictures" && i + 1 < argc) {
            options.soundPictureFolder = argv[++i];
        } else if (!arg.starts_with("--") && !options.outputRoot) {
            options.outputRoot = arg;
        } else {
            return std::nullopt;
        }
    }
    if (!options.outputRoot && !options.builtinFontFile && !options.appIconFile &&
        !options.iconSvgFile && !options.windowsIconFile && !options.soundPictureFolder) {
        return std::nullopt;
    }
    return options;
}

void writeTextFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: kestrway_datagen [<output-root>] [--builtin-font <file>] "
                     "[--app-icon <file>] [--icon-svg <file>] [--windows-icon <file>] "
                     "[--sound-pictures <folder>]\n");
        return 2;
    }
    try {
        if (options->outputRoot) {
            kestrway::writeDataTree(*options->outputRoot);
        }
        if (options->builtinFontFile) {
            writeTextFile(*options->builtinFontFile,
                          kestrway::formatBuiltinFontInclude(
                              kestrway::renderBuiltinFont(kestrway::kMonoFontPath)));
        }
        if (options->appIconFile) {
            writeTextFile(*options->appIconFile,
                          kestrway::formatAppIconInclude(kestrway::drawAppIcon()));
        }
        if (options->iconSvgFile) {
            writeTextFile(*options->iconSvgFile, kestrway::appIconSvg());
        }
        if (options->windowsIconFile) {
            writeTextFile(*options->windowsIconFile,
                          kestrway::formatWindowsIcon(kestrway::drawAppIcon()));
        }
        if (options->soundPictureFolder) {
            for (const kestrway::NamedSound& sound : kestrway::allSounds()) {
                kestrway::writeOutputFile(*options->soundPictureFolder, sound.name + ".png",
                                          kestrway::drawWaveform(sound.samples));
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kestrway_datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
