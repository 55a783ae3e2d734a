#pragma once

#include "FaceRenderer.h"
#include "GlyphBitmap.h"
#include "TableLayouts.h"

#include <memory>
#include <vector>

namespace glyphgen {

// Draws the glyphs of one table: each code's character from the first of the
// table's faces that has it, scaled and placed so that it fills the cell and
// keeps to the rows the table allows.
class CellRasteriser {
public:
    CellRasteriser(FT_Library library, const TableLayout& layout);

    // The glyph for `code` (0 to glyphCount - 1), `columns` wide and
    // `rowsStored` tall; blank where the table leaves the code blank.
    GlyphBitmap glyph(int code);

    // The face that drew each code so far, for the report.
    const std::vector<std::string>& sources() const { return sources_; }

private:
    struct Face {
        std::unique_ptr<FaceRenderer> renderer;
        Fit fit;
        double nWidth = 0;
        double xPixels = 0;
        double yPixels = 0;
        int baseline = 0; // the first row below the baseline
    };
    void fitFace(Face& face) const;
    bool drawFrom(Face& face, char32_t codePoint, GlyphBitmap& cell) const;

    const TableLayout& layout_;
    std::vector<Face> faces_;
    std::vector<std::string> sources_;
};

// The character a code stands for in the printer's set.
char32_t characterFor(int code);

} // namespace glyphgen
