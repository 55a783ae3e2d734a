#include "tests/support/TestFonts.h"

#include "raster/glyphs/GlyphTables.h"

#include <random>

namespace quillset::testing {

TestFonts::TestFonts() {
    for (int f = 0; f < FontTable::kFonts; ++f) {
        PrinterFont font = table_.entry(f);
        if (!font.enabled) {
            continue;
        }
        auto& bytes = glyphs_[static_cast<std::size_t>(f)];
        bytes.assign(glyphTableBytes(font.bytesPerRow, font.glyphCount), 0);
        font.glyphs = bytes.data();
        table_.setEntry(f, font);
    }
}

void TestFonts::randomise(unsigned seed, int percentSet) {
    std::mt19937 random(seed);
    std::bernoulli_distribution set(percentSet / 100.0);
    for (auto& bytes : glyphs_) {
        for (auto& byte : bytes) {
            byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                byte = static_cast<std::uint8_t>(byte << 1 | (set(random) ? 1 : 0));
            }
        }
    }
}

void TestFonts::setDot(int font, std::uint8_t code, int row, int column) {
    const PrinterFont& f = table_.entry(font);
    const int rowsStored = glyphRowsStored(f.bytesPerRow);
    if (!f.enabled || code >= f.glyphCount || row < 0 || row >= rowsStored || column < 0) {
        return;
    }
    auto& bytes = glyphs_[static_cast<std::size_t>(font)];
    std::size_t at = (static_cast<std::size_t>(code) * rowsStored + row) * f.bytesPerRow;
    int bit = f.skip + column;
    int stored = 16;
    if (f.bytesPerRow == 1) {
        stored = 8;
    } else if (f.bytesPerRow == 3) {
        ++at; // the row's first byte is never read
    } else if (f.bytesPerRow == 6) {
        bit = column;
        stored = 48;
    }
    if (bit < stored) {
        bytes[at + bit / 8] = static_cast<std::uint8_t>(bytes[at + bit / 8] | 0x80 >> (bit % 8));
    }
}

void TestFonts::fillGlyph(int font, std::uint8_t code) {
    const PrinterFont& f = table_.entry(font);
    for (int r = 0; r < f.height; ++r) {
        for (int c = 0; c < f.width; ++c) {
            setDot(font, code, r, c);
        }
    }
}

} // namespace quillset::testing
