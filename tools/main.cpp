// kestrway_datagen: writes the game's data tree (gfx/, fonts/, map/) and the built-in font include.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "builtin_font.h"
#include "data_tree.h"
#include "font_files.h"

namespace {

struct Options {
    std::optional<std::filesystem::path> outputRoot;
    std::optional<std::filesystem::path> builtinFontFile;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--builtin-font" && i + 1 < argc) {
            options.builtinFontFile = argv[++i];
        } else if (!arg.starts_with("--") && !options.outputRoot) {
            options.outputRoot = arg;
        } else {
            return std::nullopt;
        }
    }
    if (!options.outputRoot && !options.builtinFontFile) {
        return std::nullopt;
    }
    return options;
}

void writeBuiltinFont(const std::filesystem::path& file) {
    const std::string text =
        kestrway::formatBuiltinFontInclude(kestrway::renderBuiltinFont(kestrway::kMonoFontPath));
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
        std::fprintf(stderr, "usage: kestrway_datagen [<output-root>] [--builtin-font <file>]\n");
        return 2;
    }
    try {
        if (options->outputRoot) {
            kestrway::writeDataTree(*options->outputRoot);
        }
        if (options->builtinFontFile) {
            writeBuiltinFont(*options->builtinFontFile);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kestrway_datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
