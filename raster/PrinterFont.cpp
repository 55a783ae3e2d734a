#include "raster/PrinterFont.h"

#include "raster/glyphs/GlyphTables.h"

namespace quillset {
namespace {

PrinterFont font(std::uint16_t width, std::uint16_t height, std::uint16_t skip, int table) {
    const GlyphTable& g = kGlyphTables[static_cast<std::size_t>(table - 1)];
    return PrinterFont{1,
                       width,
                       height,
                       skip,
                       static_cast<std::uint16_t>(g.bytesPerRow),
                       g.bytes,
                       static_cast<std::uint16_t>(g.glyphCount)};
}

} // namespace

const std::uint8_t* PrinterFont::glyph(std::uint8_t character) const {
    if (glyphs == nullptr || character >= glyphCount) {
        return nullptr;
    }
    return glyphs +
           static_cast<std::size_t>(character) * glyphRowsStored(bytesPerRow) * bytesPerRow;
}

void FontTable::InitPrinterFonts() {
    fonts_.fill(PrinterFont{});
    fonts_[1] = font(16, 23, 0, 8);
    fonts_[2] = font(12, 23, 4, 7);
    fonts_[3] = font(10, 23, 5, 6);
    fonts_[4] = font(9, 23, 7, 5);
    fonts_[5] = font(8, 23, 0, 4);
    fonts_[6] = font(20, 23, 0, 3);
    fonts_[7] = font(10, 23, 5, 1);
    fonts_[8] = font(10, 23, 5, 2);
    fonts_[9] = font(10, 18, 5, 2);
    fonts_[10] = font(48, 80, 0, 9);
    fonts_[11] = font(8, 23, 0, 10);
    fonts_[12] = font(9, 23, 7, 11);
    fonts_[13] = font(10, 23, 5, 12);
    fonts_[14] = font(12, 23, 4, 13);
    fonts_[15] = font(16, 23, 0, 14);
}

} // namespace quillset
