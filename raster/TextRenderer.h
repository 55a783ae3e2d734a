#pragma once

#include "raster/GlyphCanvas.h"

#include <cstdint>

namespace quillset {

class FontTable;
class PageRaster;
struct StyledText;

// The box a text block covers on the page.
struct TextBox {
    int left, top, right, bottom;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

// Draws styled text with the printer fonts, in one colour and one of four
// directions: 0 left to right, 1 bottom to top, 2 upside down, 3 top to
// bottom (any other angle is 0). Only the glyphs' own dots are touched.
//
// Every block drawn or measured leaves its size in textExtentX and
// textExtentY, along the page's x and y axes.
class TextRenderer {
public:
    explicit TextRenderer(const FontTable& fonts)
        : fonts_(fonts) {}

    std::int32_t textExtentX = 0;
    std::int32_t textExtentY = 0;

    // (x, y) is the block's top-left corner at angle 0; each line stands one
    // line height below the previous one, its characters on a common
    // baseline.
    void DrawTextBlock(PageRaster& raster, int x, int y, std::int16_t colour, int angle,
                       const StyledText& text);

    // The extents DrawTextBlock would leave, without drawing: they depend
    // only on the characters' cells.
    void measureTextBlock(int angle, const StyledText& text);

    // The characters from `pos` up to a line feed or zero, at most 200;
    // `pos` is left on the character that ended the line.
    void DrawTextLine(PageRaster& raster, int& penX, int& penY, std::int16_t colour, int angle,
                      const StyledText& text, int& pos);

    // One character with the pen at the glyph's bottom-left corner (as seen
    // upright); the pen then moves on by the cell's width.
    void DrawGlyph(PageRaster& raster, int& penX, int& penY, std::uint8_t character,
                   std::uint8_t attribute, std::int16_t colour, int angle);

    // The tallest cell of the line that starts at `pos`; 0 for an empty line.
    std::int16_t LineHeight(const StyledText& text, int pos) const;

    const GlyphCanvas& canvas() const { return canvas_; }

private:
    // The canvas's way, for turned text and cells too wide for drawNarrow.
    void drawWide(PageRaster& raster, int penX, int penY, std::uint8_t character,
                  std::uint8_t attribute, std::int16_t colour, int angle);
    static void advancePen(int& penX, int& penY, int width, int angle);

    const FontTable& fonts_;
    GlyphCanvas canvas_;
};

// The box of a block drawn at (x, y) with `angle` and the extents of its
// measurement; note the extents' order, y before x.
TextBox TextBounds(int x, int y, int angle, int extentY, int extentX);

} // namespace quillset
