#include "symbol/SymbolDrawing.h"

#include "raster/PageRaster.h"
#include "symbol/SymbolGeometry.h"
#include "symbol/SymbolImage.h"

namespace quillset {

namespace {

// The symbol's own axes (u along its rows, v down its columns) turned onto
// the page.
struct Turn {
    int x, y, angle;

    void fill(PageRaster& raster, int u1, int v1, int u2, int v2, std::int16_t colour) const {
        switch (angle) {
        case 1:
            FillArea(raster, x + v1, y - u1, x + v2, y - u2, colour);
            break;
        case 2:
            FillArea(raster, x - u1, y - v1, x - u2, y - v2, colour);
            break;
        case 3:
            FillArea(raster, x - v1, y + u1, x - v2, y + u2, colour);
            break;
        default:
            FillArea(raster, x + u1, y + v1, x + u2, y + v2, colour);
            break;
        }
    }
};

} // namespace

void drawSymbol(PageRaster& raster, int x, int y, int angle, const SymbolImage& image) {
    if (angle < 0 || angle > 3 || image.columns == 0 || image.rows == 0)
        return;
    const SymbolBox box = symbolBounds(x, y, angle, image.width(), image.height());
    FillArea(raster, box.left, box.top, box.right, box.bottom, 0);
    const Turn turn{x, y, angle};
    const int cw = image.cellWidth;
    const int ch = image.cellHeight;
    for (int r = 0; r < image.rows; ++r) {
        int c = 0;
        while (c < image.columns) {
            if (!image.at(c, r)) {
                ++c;
                continue;
            }
            const int first = c;
            while (c < image.columns && image.at(c, r))
                ++c;
            turn.fill(raster, first * cw, r * ch, c * cw - 1, (r + 1) * ch - 1, 1);
        }
    }
}

} // namespace quillset
