#pragma once

#include "raster/PrinterFont.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quillset::testing {

// Fonts with the printer fonts' cells and row layouts whose glyph bits a
// test chooses, each font with a table of its own.
class TestFonts {
public:
    // Every glyph blank.
    TestFonts();

    // Every stored bit at random, the bits outside the cells included.
    void randomise(unsigned seed, int percentSet);
    // Column `column` of row `row` of the cell; columns the layout cannot
    // hold are ignored.
    void setDot(int font, std::uint8_t code, int row, int column);
    // Every dot of the cell.
    void fillGlyph(int font, std::uint8_t code);

    const FontTable& table() const { return table_; }

private:
    std::array<std::vector<std::uint8_t>, FontTable::kFonts> glyphs_;
    FontTable table_;
};

} // namespace quillset::testing
