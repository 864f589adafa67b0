// FreeType wrapper: loads one font face and renders single glyphs to coverage grids.
#include "glyph_renderer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace kestrway {

struct GlyphRenderer::Handles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

GlyphRenderer::GlyphRenderer(const std::string& fontPath, uint32_t pixelHeight)
    : handles_(new Handles) {
    if (FT_Init_FreeType(&handles_->library) != 0) {
        delete handles_;
        throw std::runtime_error("FreeType failed to start");
    }
    if (FT_New_Face(handles_->library, fontPath.c_str(), 0, &handles_->face) != 0 ||
        FT_Set_Pixel_Sizes(handles_->face, 0, pixelHeight) != 0) {
        FT_Done_FreeType(handles_->library);
        delete handles_;
        throw std::runtime_error("cannot open font " + fontPath);
    }
}

GlyphRenderer::~GlyphRenderer() {
    FT_Done_Face(handles_->face);
    FT_Done_FreeType(handles_->library);
    delete handles_;
}

RenderedGlyph GlyphRenderer::render(uint32_t codePoint, bool monochrome) const {
    RenderedGlyph glyph;
    const FT_UInt index = FT_Get_Char_Index(handles_->face, codePoint);
    if (index == 0) {
        return glyph;
    }
    const FT_Int32 loadFlags = monochrome
                                   ? (FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME)
                                   : (FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT);
    if (FT_Load_Glyph(handles_->face, index, loadFlags) != 0) {
        throw std::runtime_error("cannot render glyph " + std::to_string(codePoint));
    }
    const FT_GlyphSlot slot = handles_->face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.height = static_cast<int32_t>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<size_t>(glyph.width * glyph.height));
    for (int32_t y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int32_t x = 0; x < glyph.width; ++x) {
            uint8_t value = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                value = (row[x / 8] & (0x80 >> (x % 8))) != 0 ? 255 : 0;
            } else {
                value = row[x];
            }
            glyph.coverage[static_cast<size_t>(y * glyph.width + x)] = value;
        }
    }
    return glyph;
}

}  // namespace kestrway
