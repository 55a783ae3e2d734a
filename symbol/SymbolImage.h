#pragma once

#include <cstdint>
#include <vector>

namespace quillset {

// An encoded symbol as it is drawn: a grid of cells, each cellWidth by
// cellHeight dots, dark where `dark` holds 1 (row by row, from the top-left,
// quiet zone excluded). A square module is one cell; PDF417's cells are
// three times as high as wide; MaxiCode's hexagons come laid out as the
// library places them, one cell a dot.
struct SymbolImage {
    int columns = 0;
    int rows = 0;
    int cellWidth = 1;
    int cellHeight = 1;
    std::vector<std::uint8_t> dark;

    int width() const { return columns * cellWidth; }
    int height() const { return rows * cellHeight; }
    bool at(int column, int row) const {
        return dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(column)] != 0;
    }
};

} // namespace quillset
