#pragma once

#include "font/FontEngine.h"
#include "font/GlyphCache.h"

namespace quillset {

// Lays a glyph's dots, whose pen stands at (penX, penY) of the upright
// text, onto the page turned as `at` says: a dot (dx, dy) of the upright
// text lands at (x + dx, y + dy) unturned, (x + dy, y - 1 - dx) a quarter
// turn counter-clockwise, (x - 1 - dx, y - 1 - dy) half a turn and
// (x - 1 - dy, y + dx) three quarters.
void drawGlyphDots(PageRaster& raster, const FontTextPlacement& at, const GlyphDots& glyph,
                   int penX, int penY);
// A filled bar of the upright text, turned likewise.
void drawTextBar(PageRaster& raster, const FontTextPlacement& at, const UnderlineBar& bar);

} // namespace quillset
