#pragma once

#include <array>
#include <cstdint>

namespace quillset {

// One printer font: its cell and where its glyph bitmaps are. A glyph row is
// bytesPerRow bytes; with 1 or 2 bytes the row is one big-endian word whose
// first `skip` bits lie outside the cell, with 3 bytes the first byte is
// never read and the other two are such a word, and with 6 bytes all 48 bits
// are columns.
struct PrinterFont {
    std::uint16_t enabled = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t skip = 0;
    std::uint16_t bytesPerRow = 0;
    const std::uint8_t* glyphs = nullptr;
    // Glyphs the table stores; codes past them draw nothing.
    std::uint16_t glyphCount = 0;

    // The first row of the glyph for `character`, or nullptr when the table
    // holds none for it.
    const std::uint8_t* glyph(std::uint8_t character) const;
};

// Fonts 0 to 15 by number; a number whose font does not exist draws with
// font 3.
class FontTable {
public:
    static constexpr int kFonts = 16;
    static constexpr int kFallbackFont = 3;

    FontTable() { InitPrinterFonts(); }

    void InitPrinterFonts();

    // The font number a character's attribute byte draws with.
    int fontNumber(std::uint8_t attribute) const {
        const int f = attribute & 15;
        return fonts_[static_cast<std::size_t>(f)].enabled != 0 ? f : kFallbackFont;
    }
    const PrinterFont& lookup(std::uint8_t attribute) const {
        return fonts_[static_cast<std::size_t>(fontNumber(attribute))];
    }
    // The entry as stored, disabled or not.
    const PrinterFont& entry(int font) const { return fonts_.at(static_cast<std::size_t>(font)); }
    // Replaces one entry: tests draw with fonts of their own making.
    void setEntry(int font, const PrinterFont& entry) {
        fonts_.at(static_cast<std::size_t>(font)) = entry;
    }

private:
    std::array<PrinterFont, kFonts> fonts_{};
};

} // namespace quillset
