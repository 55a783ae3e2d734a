#include "font/FontTextDrawing.h"

#include "raster/PageRaster.h"

namespace quillset {

namespace {

struct PageDot {
    int x;
    int y;
};

PageDot turned(const FontTextPlacement& at, int dx, int dy) {
    switch (at.angle) {
    case 1:
        return {at.x + dy, at.y - 1 - dx};
    case 2:
        return {at.x - 1 - dx, at.y - 1 - dy};
    case 3:
        return {at.x - 1 - dy, at.y + dx};
    default:
        return {at.x + dx, at.y + dy};
    }
}

// Upright text whose rows lie wholly across the page: a glyph's row of
// bytes goes onto the page's row a byte at a time.
void drawRowsUpright(PageRaster& raster, const GlyphDots& glyph, int left, int top, bool black) {
    const int shift = left % 8;
    const int rowBytes = glyph.rowBytes();
    for (int r = 0; r < glyph.height; ++r) {
        const int y = top + r;
        for (int b = 0; b < rowBytes; ++b) {
            const std::uint8_t bits = glyph.rows[static_cast<std::size_t>(r * rowBytes + b)];
            if (bits == 0)
                continue;
            const int column = left / 8 + b;
            const auto high = static_cast<std::uint8_t>(bits >> shift);
            const auto low = static_cast<std::uint8_t>(bits << (8 - shift));
            if (black) {
                raster.OrByte(column, y, high);
                if (shift != 0)
                    raster.OrByte(column + 1, y, low);
            } else {
                raster.AndNotByte(column, y, high);
                if (shift != 0)
                    raster.AndNotByte(column + 1, y, low);
            }
        }
    }
}

} // namespace

void drawGlyphDots(PageRaster& raster, const FontTextPlacement& at, const GlyphDots& glyph,
                   int penX, int penY) {
    const int dx0 = penX + glyph.left;
    const int dy0 = penY - glyph.top;
    const auto colour = static_cast<std::int16_t>(at.colour != 0 ? 1 : 0);
    const int pageLeft = at.x + dx0;
    if ((at.angle < 1 || at.angle > 3) && pageLeft >= 0 &&
        pageLeft + glyph.rowBytes() * 8 <= raster.settings.pageWidth) {
        drawRowsUpright(raster, glyph, pageLeft, at.y + dy0, colour != 0);
        return;
    }
    for (int r = 0; r < glyph.height; ++r) {
        for (int c = 0; c < glyph.width; ++c) {
            if (!glyph.black(c, r))
                continue;
            const PageDot dot = turned(at, dx0 + c, dy0 + r);
            raster.SetDot(dot.x, dot.y, colour);
        }
    }
}

void drawTextBar(PageRaster& raster, const FontTextPlacement& at, const UnderlineBar& bar) {
    const PageDot a = turned(at, bar.x, bar.y);
    const PageDot b = turned(at, bar.x + bar.length - 1, bar.y + bar.thickness - 1);
    FillArea(raster, a.x, a.y, b.x, b.y, static_cast<std::int16_t>(at.colour != 0 ? 1 : 0));
}

} // namespace quillset
