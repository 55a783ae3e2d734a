#pragma once

#include "GlyphBitmap.h"

namespace glyphgen {

// The shades, box-drawing lines and blocks of code page 437 (176 to 223),
// drawn by rule so that lines run to the cell's edges and meet their
// neighbours: outline fonts squeezed into a cell rarely do. The glyph may set
// rows firstRow to lastRow of `cell`; `weight` is the line thickness.
// Returns false for codes outside that range.
bool drawBoxCharacter(int code, GlyphBitmap& cell, int firstRow, int lastRow, int weight);

} // namespace glyphgen
