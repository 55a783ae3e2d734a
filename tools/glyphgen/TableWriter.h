#pragma once

#include "GlyphBitmap.h"
#include "TableLayouts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace glyphgen {

// Packs glyphs into table rows: 1 and 2 bytes a row hold one big-endian word
// whose first `skip` bits lie before column 0; 3 bytes hold a zero byte and
// then such a word; 6 bytes hold all 48 columns, most significant bit first.
std::vector<std::uint8_t> packTable(const TableLayout& layout, const std::vector<GlyphBitmap>& glyphs);

// The C++ source that defines kGlyphsG<n>, one commented block per glyph.
std::string tableSource(const TableLayout& layout, const std::vector<std::uint8_t>& bytes);

} // namespace glyphgen
