#include "CellRasteriser.h"

#include "BoxDrawing.h"
#include "model/CodePage437.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace glyphgen {
namespace {

// The body a face must fit between the allowed rows: from the lowest
// descender to the top of an accented capital, or of the tallest ASCII
// character where a table has no accented letters. The ring of Å and a few
// tall symbols stand above it; they are moved or shrunk into the cell one by
// one.
constexpr std::u32string_view kTallestAccented = U"ÉÖÜÑÄ";
constexpr std::u32string_view kTallestAscii = U"bdlk()[]|{}";
constexpr std::u32string_view kDeepest = U"gjpqyÇ";

// The strike height used for bitmap faces is the allowed row count.
int rowCount(const TableLayout& layout) {
    return layout.lastRow - layout.firstRow + 1;
}

} // namespace

char32_t characterFor(int code) {
    if (code == 127) {
        return U'⌂';
    }
    // Code page 437 has a no-break space here; tables that must draw
    // something show it as the visible space sign.
    if (code == 255) {
        return U'␣';
    }
    return quillset::cp437ToUnicode(static_cast<unsigned char>(code));
}

CellRasteriser::CellRasteriser(FT_Library library, const TableLayout& layout)
    : layout_(layout)
    , sources_(static_cast<std::size_t>(layout.glyphCount)) {
    for (const FaceChoice& choice : layout.faces) {
        Face face{std::make_unique<FaceRenderer>(library, choice.path), choice.fit, choice.nWidth};
        fitFace(face);
        faces_.push_back(std::move(face));
    }
}

void CellRasteriser::fitFace(Face& face) const {
    FaceRenderer& r = *face.renderer;
    if (face.fit == Fit::Strike) {
        return;
    }
    int top = 0;
    int bottom = 0;
    for (char32_t c : layout_.drawn(128) ? kTallestAccented : kTallestAscii) {
        if (auto b = r.boundsUnits(c)) {
            top = std::max(top, b->yMax);
        }
    }
    for (char32_t c : kDeepest) {
        if (auto b = r.boundsUnits(c)) {
            bottom = std::min(bottom, b->yMin);
        }
    }
    const double em = r.unitsPerEm();
    const double yScale = rowCount(layout_) / static_cast<double>(top - bottom);
    face.yPixels = yScale * em;
    face.baseline = layout_.firstRow + static_cast<int>(std::lround(top * yScale));
    face.xPixels = face.fit == Fit::Monospace
                       ? layout_.columns * em / r.advanceUnits(U'M')
                       : face.nWidth * layout_.columns * em / r.advanceUnits(U'n');
}

bool CellRasteriser::drawFrom(Face& face, char32_t codePoint, GlyphBitmap& cell) const {
    if (!face.renderer->has(codePoint)) {
        return false;
    }
    const int rows = rowCount(layout_);
    double xPixels = face.xPixels;
    double yPixels = face.yPixels;
    int baseline = face.baseline;
    std::optional<FaceRenderer::Rendered> g;
    // Too wide or too tall: render again a little smaller until it fits.
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (face.fit == Fit::Strike) {
            int ascent = 0;
            g = face.renderer->renderStrike(codePoint, rows, ascent);
            baseline = layout_.firstRow + ascent;
        } else {
            g = face.renderer->render(codePoint, xPixels, yPixels);
        }
        if (!g || g->dots.empty()) {
            return false;
        }
        const bool wide = g->dots.width() > layout_.columns;
        const bool tall = g->dots.height() > rows;
        if ((!wide && !tall) || face.fit == Fit::Strike) {
            break;
        }
        if (wide) {
            xPixels *= 0.97;
        }
        if (tall) {
            yPixels *= 0.97;
        }
    }
    const GlyphBitmap& dots = g->dots;
    // Narrowing a glyph only to keep the spacing column would spoil its
    // hinting; one that needs the whole cell may have it.
    const int room = std::max(layout_.columns - layout_.spacing, dots.width());
    int left = face.fit == Fit::Centred ? (room - dots.width()) / 2 : g->left;
    left = std::clamp(left, 0, std::max(0, room - dots.width()));
    int top = baseline - g->top;
    top = std::clamp(top, layout_.firstRow,
                     std::max(layout_.firstRow, layout_.lastRow + 1 - dots.height()));
    for (int y = 0; y < dots.height(); ++y) {
        for (int x = 0; x < dots.width(); ++x) {
            if (dots.at(x, y) && left + x < layout_.columns && top + y <= layout_.lastRow) {
                cell.set(left + x, top + y);
            }
        }
    }
    return true;
}

GlyphBitmap CellRasteriser::glyph(int code) {
    GlyphBitmap cell(layout_.columns, layout_.rowsStored);
    if (code > 255 || !layout_.drawn(code)) {
        return cell;
    }
    auto& source = sources_[static_cast<std::size_t>(code)];
    if (drawBoxCharacter(code, cell, layout_.firstRow, layout_.lastRow, layout_.boxWeight)) {
        source = "rule";
        return cell;
    }
    const char32_t c = characterFor(code);
    for (Face& face : faces_) {
        if (drawFrom(face, c, cell)) {
            source = face.renderer->path();
            return cell;
        }
    }
    throw std::runtime_error("G" + std::to_string(layout_.number) + ": no face draws code " +
                             std::to_string(code));
}

} // namespace glyphgen
