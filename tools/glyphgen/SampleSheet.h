#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyphgen {

// A picture of all sixteen printer fonts as the page draws them, one dot per
// pixel: each font's codes 32 to 255 at the font's own pitch, a line of
// text and a box, on a faint checkerboard that shows the cells. Read back
// from the packed tables, so it also shows that the packing is right.
// tables[n - 1] holds table Gn.
void writeSampleSheet(const std::vector<std::vector<std::uint8_t>>& tables,
                      const std::string& path);

} // namespace glyphgen
