#pragma once

#include "GlyphBitmap.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

namespace glyphgen {

// One font file opened with FreeType, rendering single characters in
// monochrome with the font's own hinting. Outline fonts scale to any pixel
// size, separately in x and y; bitmap fonts offer their fixed strikes only.
class FaceRenderer {
public:
    FaceRenderer(FT_Library library, const std::string& path);
    ~FaceRenderer();
    FaceRenderer(const FaceRenderer&) = delete;
    FaceRenderer& operator=(const FaceRenderer&) = delete;

    const std::string& path() const { return path_; }
    bool isOutline() const { return FT_IS_SCALABLE(face_) != 0; }
    bool has(char32_t codePoint) const { return FT_Get_Char_Index(face_, codePoint) != 0; }

    // Unscaled outline measures in font units.
    int unitsPerEm() const { return face_->units_per_EM; }
    int advanceUnits(char32_t codePoint) const;
    struct Bounds {
        int xMin, yMin, xMax, yMax;
    };
    std::optional<Bounds> boundsUnits(char32_t codePoint) const;

    // A rendered glyph: its dots, where its top-left dot lies relative to the
    // pen on the baseline (left to the right, top upwards), and the hinted
    // advance in pixels.
    struct Rendered {
        GlyphBitmap dots;
        int left = 0;
        int top = 0;
        int advance = 0;
    };
    // Outline fonts at xPixels by yPixels per em.
    std::optional<Rendered> render(char32_t codePoint, double xPixels, double yPixels);
    // Bitmap fonts from the strike that is `height` pixels tall; the
    // strike's ascent is left in `ascent`.
    std::optional<Rendered> renderStrike(char32_t codePoint, int height, int& ascent);

private:
    std::optional<Rendered> load(char32_t codePoint);

    std::string path_;
    FT_Face face_ = nullptr;
};

} // namespace glyphgen
