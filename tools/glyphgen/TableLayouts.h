#pragma once

#include <string>
#include <utility>
#include <vector>

namespace glyphgen {

// How a face's glyphs are fitted into the cell.
enum class Fit {
    // Monospaced outlines: the advance is scaled to the cell width and each
    // glyph keeps its own place in it.
    Monospace,
    // Proportional outlines: scaled so that the advance of a lower-case n
    // takes `nWidth` of the cell, each glyph centred; wider glyphs are
    // narrowed until they fit.
    Centred,
    // A bitmap font's fixed strike, used dot for dot.
    Strike,
};

struct FaceChoice {
    std::string path;
    Fit fit;
    double nWidth = 0;
};

// One glyph table: how its rows are stored, which dots its glyphs may set,
// which codes must be drawn, and the faces to draw them from (the first that
// has a character draws it).
struct TableLayout {
    int number = 0;
    int bytesPerRow = 0;
    int rowsStored = 0;
    int glyphCount = 0;
    // Leading bits of each stored row word that lie before the glyph's
    // column 0.
    int skip = 0;
    int columns = 0;
    // Blank columns that letters leave at the right of the cell where they
    // can, so that neighbours do not touch; box drawing runs through them.
    int spacing = 1;
    int firstRow = 0;
    int lastRow = 0;
    std::vector<std::pair<int, int>> nonBlank;
    std::vector<FaceChoice> faces;
    // Stroke thickness of the box-drawing characters.
    int boxWeight = 1;

    bool drawn(int code) const;
};

const std::vector<TableLayout>& tableSpecs();

} // namespace glyphgen
