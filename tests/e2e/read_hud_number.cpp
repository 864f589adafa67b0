// Test helper: reads a number the HUD wrote in the built-in 8x16 font from a
// captured picture. Usage: read_hud_number PICTURE.ppm X Y (binary PPM, as
// ImageMagick writes it; X, Y the text's top-left pixel). Prints the number,
// or fails when the cells there hold no digits.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/builtin_font.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    bool lit(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return false;
        const size_t at = (static_cast<size_t>(y) * width + x) * 3;
        return rgb[at] > 160 && rgb[at + 1] > 160 && rgb[at + 2] > 160;
    }
};

bool readPpm(const char* file, Picture& picture) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic >> std::ws;
    // ImageMagick keeps the window's name as a comment line.
    while (in.peek() == '#') {
        std::string comment;
        std::getline(in, comment);
    }
    in >> picture.width >> picture.height >> maximum;
    in.get();
    if (!in || magic != "P6" || maximum != 255) return false;
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    in.read(reinterpret_cast<char*>(picture.rgb.data()),
            static_cast<std::streamsize>(picture.rgb.size()));
    return static_cast<bool>(in);
}

// The character whose glyph the cell at x, y shows exactly; 0 for none.
char cellCharacter(const Picture& picture, int x, int y) {
    for (const char candidate : std::string("0123456789-%")) {
        const uint8_t* glyph = kestrway::builtinGlyph(static_cast<uint8_t>(candidate));
        bool same = true;
        for (int row = 0; row < kestrway::kGlyphHeight && same; ++row) {
            for (int column = 0; column < kestrway::kGlyphWidth && same; ++column) {
                same = (((glyph[row] >> column) & 1) != 0) == picture.lit(x + column, y + row);
            }
        }
        if (same) return candidate;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Picture picture;
    if (argc != 4 || !readPpm(argv[1], picture)) {
        std::fprintf(stderr, "usage: read_hud_number PICTURE.ppm X Y\n");
        return 2;
    }
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    std::string text;
    for (char c = 0; (c = cellCharacter(picture, x + 8 * static_cast<int>(text.size()), y)) != 0;) {
        text.push_back(c);
    }
    if (text.empty() || text == "-") return 1;
    std::printf("%s\n", text.c_str());
    return 0;
}
