#include "font/FontFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>

#include <algorithm>
#include <cmath>

namespace quillset {

FontFaces::FontFaces() {
    FT_Init_FreeType(&library_);
}

FontFaces::~FontFaces() {
    for (Face& face : faces_) {
        hb_font_destroy(face.hb);
        FT_Done_Face(face.ft);
    }
    if (library_)
        FT_Done_FreeType(library_);
}

int FontFaces::open(const FontFile& file) {
    if (const auto found = numbers_.find(file); found != numbers_.end())
        return found->second;
    FT_Face ft = nullptr;
    int number = -1;
    if (library_ && FT_New_Face(library_, file.path.c_str(), file.index, &ft) == 0) {
        if (FT_IS_SCALABLE(ft)) {
            number = static_cast<int>(faces_.size());
            faces_.push_back({file, ft, hb_ft_font_create_referenced(ft), 0});
            // Advances as the hinted one-bit glyphs have them, whole dots,
            // so that letters stand where their dots are drawn.
            hb_ft_font_set_load_flags(faces_.back().hb, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO);
        } else {
            FT_Done_Face(ft);
        }
    }
    numbers_.emplace(file, number);
    return number;
}

FT_Face FontFaces::sized(int face, int size) {
    Face& f = faces_[static_cast<std::size_t>(face)];
    if (f.size != size) {
        FT_Set_Pixel_Sizes(f.ft, 0, static_cast<FT_UInt>(size));
        hb_ft_font_changed(f.hb);
        f.size = size;
    }
    return f.ft;
}

hb_font_t* FontFaces::shaper(int face, int size) {
    sized(face, size);
    return faces_[static_cast<std::size_t>(face)].hb;
}

bool FontFaces::hasGlyph(int face, char32_t character) {
    return FT_Get_Char_Index(faces_[static_cast<std::size_t>(face)].ft, character) != 0;
}

FaceMetrics FontFaces::metrics(int face, int size) {
    const FT_Face ft = sized(face, size);
    const FT_Size_Metrics& m = ft->size->metrics;
    FaceMetrics out;
    out.ascent = static_cast<int>((m.ascender + 63) / 64);
    out.descent = static_cast<int>((-m.descender + 63) / 64);
    out.lineHeight = std::max(static_cast<int>((m.height + 32) / 64), out.ascent + out.descent);
    const double scale = static_cast<double>(size) / ft->units_per_EM;
    out.underlineThickness =
        std::max(1, static_cast<int>(std::lround(ft->underline_thickness * scale)));
    out.underlineOffset = std::max(
        1, static_cast<int>(std::lround(-ft->underline_position * scale)) -
               out.underlineThickness / 2);
    return out;
}

} // namespace quillset
