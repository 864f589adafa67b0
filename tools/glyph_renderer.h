// FreeType wrapper: loads one font face and renders single glyphs to coverage grids.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrway {

// One rendered glyph: a coverage grid (0..255 per pixel, or 0/255 when monochrome)
// placed relative to the pen position on the baseline.
struct RenderedGlyph {
    int32_t width = 0;              // columns of the coverage grid
    int32_t height = 0;             // rows of the coverage grid
    int32_t left = 0;               // pen x to the grid's first column
    int32_t top = 0;                // baseline to the grid's first row (positive upwards)
    int32_t advance = 0;            // pen movement in whole pixels
    std::vector<uint8_t> coverage;  // row-major, width x height

    uint8_t at(int32_t x, int32_t y) const { return coverage[static_cast<size_t>(y * width + x)]; }
};

class GlyphRenderer {
  public:
    // Opens the font file at the given pixel height; throws std::runtime_error on failure.
    GlyphRenderer(const std::string& fontPath, uint32_t pixelHeight);
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // Renders the character with the given Unicode code point; a code the font lacks
    // comes back empty with a zero advance.
    RenderedGlyph render(uint32_t codePoint, bool monochrome) const;

  private:
    struct Handles;
    Handles* handles_;
};

}  // namespace kestrway
