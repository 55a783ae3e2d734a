#pragma once

#include <array>
#include <cstdint>

namespace quillset {

class PageRaster;
struct PrinterFont;

// Working storage where one character is built before it goes onto the page:
// bold, double width, double height and underline are applied here in that
// order. Each row holds the cell's dots as bits, column 0 in the most
// significant bit, so every step works on whole rows. Upright and upside-down
// cells that fit a machine word skip the canvas (drawNarrow).
class GlyphCanvas {
public:
    __extension__ typedef unsigned __int128 Row;
    static constexpr int kMaxRows = 160;
    static constexpr int kMaxColumns = 128;

    std::int16_t height = 8;
    std::int16_t width = 8;
    std::int16_t skip = 0;
    std::array<Row, kMaxRows> rows{};

    // The font's cell and the character's glyph rows; cells past the font's
    // width stay clear.
    void load(const PrinterFont& font, std::uint8_t character);
    // Every dot also sets the dot to its left; the width stays.
    void embolden();
    void doubleWidth();
    void doubleHeight();
    // The bottom row of the cell, full width, so underlined neighbours join.
    void underline();

    // Copies the set cells onto the page, rotated about the pen by `angle`
    // (see DrawGlyph); cells off the page are skipped.
    void blit(PageRaster& raster, int penX, int penY, std::int16_t colour, int angle) const;

    // Whether drawNarrow can draw this font and style: the cell, doubled or
    // not, fits one machine word with any shift within a byte.
    static bool fitsNarrow(const PrinterFont& font, std::uint8_t attribute);
    // load, the styles and blit in one pass for angles 0 and 2, each row
    // going straight from the glyph to the page without the canvas.
    static void drawNarrow(PageRaster& raster, const PrinterFont& font, std::uint8_t character,
                           std::uint8_t attribute, int penX, int penY, std::int16_t colour,
                           bool upsideDown);

private:
    // Angles 0 and 2: a glyph row is a page row; at 2 it is read backwards.
    void blitHorizontal(PageRaster& raster, int penX, int penY, bool black, bool upsideDown) const;
    // Angles 1 and 3: a glyph row is a page column.
    void blitVertical(PageRaster& raster, int penX, int penY, bool black, bool upward) const;
};

} // namespace quillset
