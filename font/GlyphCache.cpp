#include "font/GlyphCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstring>

namespace quillset {

namespace {

// The slant of an oblique made from an upright face: about 12 degrees, as
// the slant most italic faces have (0.2126 in 16.16).
constexpr FT_Fixed kSlant = 0x0366A;

} // namespace

long emboldening(int size) {
    return std::max(64L, static_cast<long>(size) * 64 / 24);
}

GlyphCache::GlyphCache(FontFaces& faces, std::size_t limitBytes)
    : faces_(faces)
    , limitBytes_(limitBytes) {}

std::shared_ptr<const GlyphDots> GlyphCache::glyph(const FaceStyle& style, unsigned glyph,
                                                   int size) {
    const Key key{style.face, style.emboldened, style.slanted, glyph, size};
    if (const auto found = index_.find(key); found != index_.end()) {
        entries_.splice(entries_.begin(), entries_, found->second);
        return found->second->second;
    }
    std::shared_ptr<const GlyphDots> dots = draw(style, glyph, size);
    entries_.emplace_front(key, dots);
    index_.emplace(key, entries_.begin());
    bytes_ += dots->rows.size() + sizeof(GlyphDots);
    while (bytes_ > limitBytes_ && entries_.size() > 1) {
        const Entry& last = entries_.back();
        bytes_ -= last.second->rows.size() + sizeof(GlyphDots);
        index_.erase(last.first);
        entries_.pop_back();
    }
    return dots;
}

void GlyphCache::clear() {
    index_.clear();
    entries_.clear();
    bytes_ = 0;
}

std::shared_ptr<const GlyphDots> GlyphCache::draw(const FaceStyle& style, unsigned glyph,
                                                  int size) {
    auto dots = std::make_shared<GlyphDots>();
    const FT_Face face = faces_.sized(style.face, size);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0)
        return dots;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (style.emboldened)
            FT_Outline_EmboldenXY(&slot->outline, emboldening(size), 0);
        if (style.slanted) {
            FT_Matrix shear{0x10000, kSlant, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return dots;
    const FT_Bitmap& bitmap = slot->bitmap;
    dots->left = slot->bitmap_left;
    dots->top = slot->bitmap_top;
    dots->width = static_cast<int>(bitmap.width);
    dots->height = static_cast<int>(bitmap.rows);
    const auto rowBytes = static_cast<std::size_t>(dots->rowBytes());
    dots->rows.resize(rowBytes * bitmap.rows);
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const unsigned char* from =
            bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        std::memcpy(dots->rows.data() + r * rowBytes, from, rowBytes);
    }
    return dots;
}

} // namespace quillset
