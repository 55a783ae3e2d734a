#include "FaceRenderer.h"

#include <cmath>
#include <stdexcept>

namespace glyphgen {

FaceRenderer::FaceRenderer(FT_Library library, const std::string& path)
    : path_(path) {
    if (FT_New_Face(library, path.c_str(), 0, &face_) != 0) {
        throw std::runtime_error("cannot open font " + path);
    }
}

FaceRenderer::~FaceRenderer() {
    FT_Done_Face(face_);
}

int FaceRenderer::advanceUnits(char32_t codePoint) const {
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_NO_SCALE) != 0) {
        return 0;
    }
    return static_cast<int>(face_->glyph->metrics.horiAdvance);
}

std::optional<FaceRenderer::Bounds> FaceRenderer::boundsUnits(char32_t codePoint) const {
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_NO_SCALE) != 0) {
        return std::nullopt;
    }
    const FT_Glyph_Metrics& m = face_->glyph->metrics;
    return Bounds{static_cast<int>(m.horiBearingX), static_cast<int>(m.horiBearingY - m.height),
                  static_cast<int>(m.horiBearingX + m.width), static_cast<int>(m.horiBearingY)};
}

std::optional<FaceRenderer::Rendered> FaceRenderer::render(char32_t codePoint, double xPixels,
                                                           double yPixels) {
    // 26.6 sizes at 72 dpi are pixel sizes with 1/64 precision, so a cell
    // width need not be a whole number of pixels per em.
    if (FT_Set_Char_Size(face_, static_cast<FT_F26Dot6>(std::lround(xPixels * 64)),
                         static_cast<FT_F26Dot6>(std::lround(yPixels * 64)), 72, 72) != 0) {
        return std::nullopt;
    }
    return load(codePoint);
}

std::optional<FaceRenderer::Rendered> FaceRenderer::renderStrike(char32_t codePoint, int height,
                                                                 int& ascent) {
    for (int s = 0; s < face_->num_fixed_sizes; ++s) {
        if (face_->available_sizes[s].height == height) {
            if (FT_Select_Size(face_, s) != 0) {
                return std::nullopt;
            }
            ascent = static_cast<int>(face_->size->metrics.ascender >> 6);
            return load(codePoint);
        }
    }
    throw std::runtime_error("no " + std::to_string(height) + "-pixel strike in " + path_);
}

std::optional<FaceRenderer::Rendered> FaceRenderer::load(char32_t codePoint) {
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0 ||
        FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_MONO) != 0) {
        return std::nullopt;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    Rendered out;
    out.dots = GlyphBitmap(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows));
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (unsigned x = 0; x < bitmap.width; ++x) {
            if ((row[x / 8] & (0x80 >> (x % 8))) != 0) {
                out.dots.set(static_cast<int>(x), static_cast<int>(y));
            }
        }
    }
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    return out;
}

} // namespace glyphgen
