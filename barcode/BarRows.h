#pragma once

namespace quillset {

class BarPattern;
class PageRaster;

// Paints the pattern across rows y1 to y2 (both included, in any order):
// entry i at x = firstX + i * step, black for a bar and white for a space.
// The same dots as one vertical line per entry, but every row is the same,
// so it is built once and stored a byte at a time. Dots off the page are
// dropped.
void paintBarRows(PageRaster& raster, const BarPattern& pattern, int firstX, int step, int y1,
                  int y2);

} // namespace quillset
