#pragma once

namespace quillset {

class PageRaster;
struct SymbolImage;

// Draws the symbol with its top-left corner at (x, y) before turning,
// `angle` quarter turns counter-clockwise about that corner: dark cells
// black, light ones white, every cell exactly its dots. Dots off the page
// are dropped; an angle outside 0 to 3 draws nothing.
void drawSymbol(PageRaster& raster, int x, int y, int angle, const SymbolImage& image);

} // namespace quillset
