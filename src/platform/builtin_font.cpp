// The built-in font's glyph table, rendered by the data generator in tools/.
#include "platform/builtin_font.h"

namespace kestrway {

namespace {

const uint8_t kBuiltinFont[256 * kGlyphHeight] = {
#include "platform/builtin_font_glyphs.inc"
};

}  // namespace

const uint8_t* builtinGlyph(uint8_t code) {
    return kBuiltinFont + code * kGlyphHeight;
}

}  // namespace kestrway
