#include "raster/PrinterFont.h"

#include "raster/PageRaster.h"
#include "raster/TextRenderer.h"
#include "raster/glyphs/GlyphTables.h"
#include "tests/support/RasterTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quillset {
namespace {

using Ranges = std::vector<std::pair<int, int>>;

// One glyph table as a font reads it.
struct TableCase {
    int number;
    std::size_t bytes;
    int glyphs;
    int width; // the cell of the fonts that read it
    int skip;
    Ranges nonBlank;
    int firstRow; // rows that may hold set dots
    int lastRow;
};

const std::vector<TableCase>& tableCases() {
    static const std::vector<TableCase> cases = {
        {1, 11776, 256, 10, 5, {{33, 159}, {161, 254}}, 0, 18},
        // Row 18 stays clear too, so that font 9, which draws 18 rows, loses
        // nothing of font 8.
        {2, 11776, 256, 10, 5, {{33, 159}, {161, 254}}, 0, 17},
        {3, 26496, 384, 16, 0, {{33, 159}, {161, 183}, {185, 255}}, 0, 22},
        {4, 5888, 256, 8, 0, {{33, 125}, {128, 253}, {255, 255}}, 0, 22},
        {5, 11776, 256, 9, 7, {{33, 125}, {128, 253}, {255, 255}}, 0, 22},
        {6, 11776, 256, 10, 5, {{33, 126}, {128, 253}, {255, 255}}, 0, 22},
        {7, 11776, 256, 12, 4, {{33, 126}, {128, 253}, {255, 255}}, 0, 22},
        {8, 11776, 256, 16, 0, {{33, 126}, {128, 218}, {220, 253}, {255, 255}}, 0, 22},
        {9, 61440, 128, 48, 0, {{33, 127}}, 0, 79},
        {10, 5888, 256, 8, 0, {{33, 159}, {161, 255}}, 0, 22},
        {11, 11776, 256, 9, 7, {{33, 254}}, 2, 21},
        {12, 11776, 256, 10, 5, {{33, 159}, {161, 255}}, 0, 22},
        {13, 11776, 256, 12, 4, {{33, 159}, {161, 255}}, 0, 22},
        {14, 11776, 256, 16, 0, {{33, 159}, {161, 255}}, 0, 22},
    };
    return cases;
}

const GlyphTable& table(int number) {
    return kGlyphTables.at(static_cast<std::size_t>(number - 1));
}

bool listed(const Ranges& ranges, int code) {
    for (const auto& [first, last] : ranges) {
        if (code >= first && code <= last) {
            return true;
        }
    }
    return false;
}

// Bit b of a stored row, counted from the row's first bit; in 3-byte rows
// the first byte is not part of the glyph, so counting starts at the second.
bool rowBit(const GlyphTable& t, int glyph, int row, int b) {
    const std::uint8_t* bytes =
        t.bytes +
        (static_cast<std::size_t>(glyph) * glyphRowsStored(t.bytesPerRow) + row) * t.bytesPerRow;
    if (t.bytesPerRow == 3) {
        ++bytes;
    }
    return (bytes[b / 8] & (0x80 >> (b % 8))) != 0;
}

int rowBits(const GlyphTable& t) {
    return t.bytesPerRow == 3 ? 16 : 8 * t.bytesPerRow;
}

bool glyphHasDots(const GlyphTable& t, int glyph) {
    for (int r = 0; r < glyphRowsStored(t.bytesPerRow); ++r) {
        for (int b = 0; b < rowBits(t); ++b) {
            if (rowBit(t, glyph, r, b)) {
                return true;
            }
        }
    }
    return false;
}

std::string where(const TableCase& c, int code) {
    return std::string("G").append(std::to_string(c.number)).append(" code ").append(
        std::to_string(code));
}

TEST(GlyphTables, HaveTheStatedSizes) {
    std::size_t total = 0;
    for (const TableCase& c : tableCases()) {
        const GlyphTable& t = table(c.number);
        EXPECT_EQ(t.size, c.bytes) << "G" << c.number;
        EXPECT_EQ(t.glyphCount, c.glyphs) << "G" << c.number;
        EXPECT_EQ(t.size, static_cast<std::size_t>(t.glyphCount) * glyphRowsStored(t.bytesPerRow) *
                              t.bytesPerRow)
            << "G" << c.number << ": glyph stride";
        total += t.size;
    }
    EXPECT_EQ(total, 217472u);
    EXPECT_EQ(glyphRowsStored(1), 23);
    EXPECT_EQ(glyphRowsStored(2), 23);
    EXPECT_EQ(glyphRowsStored(3), 23);
    EXPECT_EQ(glyphRowsStored(6), 80);
}

// Every code the table lists draws something, and every other code,
// 0 to 32 among them, draws nothing.
TEST(GlyphTables, DrawExactlyTheListedCodes) {
    for (const TableCase& c : tableCases()) {
        const GlyphTable& t = table(c.number);
        for (int code = 0; code < std::min(t.glyphCount, 256); ++code) {
            EXPECT_EQ(glyphHasDots(t, code), listed(c.nonBlank, code)) << where(c, code);
        }
    }
}

// Glyphs keep to their rows and to their font's columns: no bit is set in
// the skipped leading bits, past the cell, or above or below the allowed
// rows (G1 and G2 leave the bottom of the cell clear, G11 its first two
// and last row).
TEST(GlyphTables, SetDotsOnlyInsideTheCell) {
    for (const TableCase& c : tableCases()) {
        const GlyphTable& t = table(c.number);
        for (int code = 0; code < t.glyphCount; ++code) {
            int stray = 0;
            for (int r = 0; r < glyphRowsStored(t.bytesPerRow); ++r) {
                for (int b = 0; b < rowBits(t); ++b) {
                    const bool inCell =
                        r >= c.firstRow && r <= c.lastRow && b >= c.skip && b < c.skip + c.width;
                    stray += rowBit(t, code, r, b) && !inCell ? 1 : 0;
                }
            }
            EXPECT_EQ(stray, 0) << where(c, code);
        }
    }
}

// The first byte of each 3-byte row is never read; it holds nothing.
TEST(GlyphTables, LeaveTheUnreadByteOfThreeByteRowsZero) {
    const GlyphTable& t = table(3);
    for (std::size_t i = 0; i < t.size; i += 3) {
        ASSERT_EQ(t.bytes[i], 0) << "byte " << i;
    }
}

// Box-drawing lines and blocks run to the edges of the rows and columns a
// glyph may use, so that neighbouring characters join.
TEST(GlyphTables, BoxDrawingReachesTheCellEdges) {
    constexpr int kHorizontal = 196;
    constexpr int kVertical = 179;
    constexpr int kFullBlock = 219;
    for (const TableCase& c : tableCases()) {
        const GlyphTable& t = table(c.number);
        if (t.glyphCount < 256) {
            continue;
        }
        const int middle = c.skip + c.width / 2;
        bool left = false, right = false, top = false, bottom = false;
        for (int r = c.firstRow; r <= c.lastRow; ++r) {
            left = left || rowBit(t, kHorizontal, r, c.skip);
            right = right || rowBit(t, kHorizontal, r, c.skip + c.width - 1);
        }
        for (int b = middle - 2; b <= middle + 1; ++b) {
            top = top || rowBit(t, kVertical, c.firstRow, b);
            bottom = bottom || rowBit(t, kVertical, c.lastRow, b);
        }
        EXPECT_TRUE(left && right) << where(c, kHorizontal);
        EXPECT_TRUE(top && bottom) << where(c, kVertical);
        if (listed(c.nonBlank, kFullBlock)) {
            int clear = 0;
            for (int r = c.firstRow; r <= c.lastRow; ++r) {
                for (int b = c.skip; b < c.skip + c.width; ++b) {
                    clear += rowBit(t, kFullBlock, r, b) ? 0 : 1;
                }
            }
            EXPECT_EQ(clear, 0) << where(c, kFullBlock);
        }
    }
}

struct FontCase {
    int font;
    int width;
    int height;
    int skip;
    int bytesPerRow;
    int table;
};

TEST(FontTable, HoldsTheFifteenPrinterFonts) {
    const FontCase cases[] = {
        {1, 16, 23, 0, 2, 8},   {2, 12, 23, 4, 2, 7},   {3, 10, 23, 5, 2, 6},
        {4, 9, 23, 7, 2, 5},    {5, 8, 23, 0, 1, 4},    {6, 20, 23, 0, 3, 3},
        {7, 10, 23, 5, 2, 1},   {8, 10, 23, 5, 2, 2},   {9, 10, 18, 5, 2, 2},
        {10, 48, 80, 0, 6, 9},  {11, 8, 23, 0, 1, 10},  {12, 9, 23, 7, 2, 11},
        {13, 10, 23, 5, 2, 12}, {14, 12, 23, 4, 2, 13}, {15, 16, 23, 0, 2, 14},
    };
    const FontTable fonts;
    EXPECT_EQ(fonts.entry(0).enabled, 0) << "font 0 does not exist";
    for (const FontCase& c : cases) {
        const PrinterFont& f = fonts.entry(c.font);
        EXPECT_EQ(f.enabled, 1) << "font " << c.font;
        EXPECT_EQ(f.width, c.width) << "font " << c.font;
        EXPECT_EQ(f.height, c.height) << "font " << c.font;
        EXPECT_EQ(f.skip, c.skip) << "font " << c.font;
        EXPECT_EQ(f.bytesPerRow, c.bytesPerRow) << "font " << c.font;
        EXPECT_EQ(f.glyphs, table(c.table).bytes) << "font " << c.font;
        EXPECT_EQ(f.glyphCount, table(c.table).glyphCount) << "font " << c.font;
    }
}

TEST(FontTable, LooksFontsUpByTheLowFourBits) {
    const struct {
        std::uint8_t attribute;
        int font;
        const char* why;
    } cases[] = {
        {0x00, 3, "font 0 draws as font 3"},
        {0x10, 3, "bold font 0 is still font 3"},
        {0xF0, 3, "all style bits on font 0"},
        {0x03, 3, "the default attribute"},
        {0xF5, 5, "style bits do not change the font"},
        {0x0A, 10, "the large font"},
        {0x0F, 15, "the highest font number"},
        {0xE9, 9, "font 9 under underline, double width and height"},
    };
    const FontTable fonts;
    for (const auto& c : cases) {
        EXPECT_EQ(fonts.fontNumber(c.attribute), c.font) << c.why;
        EXPECT_EQ(&fonts.lookup(c.attribute), &fonts.entry(c.font)) << c.why;
    }
    const PrinterFont& zero = fonts.lookup(0);
    EXPECT_EQ(zero.width, 10);
    EXPECT_EQ(zero.height, 23);
}

TEST(PrinterFont, FindsGlyphsByCodeAndStride) {
    const FontTable fonts;
    const struct {
        int font;
        std::uint8_t code;
        std::ptrdiff_t offset; // from the table's start; -1 for none
        const char* why;
    } cases[] = {
        {3, 0, 0, "the first glyph"},
        {3, 65, 65 * 46, "23 rows of 2 bytes"},
        {9, 65, 65 * 46, "font 9's 18 rows do not change the stride"},
        {5, 255, 255 * 23, "23 rows of 1 byte"},
        {6, 255, 255 * 69, "23 rows of 3 bytes; glyphs 256 to 383 stay unreachable"},
        {10, 127, 127 * 480, "80 rows of 6 bytes, the last large glyph"},
        {10, 128, -1, "beyond the large font's 128 glyphs"},
        {10, 255, -1, "beyond the large font's 128 glyphs"},
    };
    for (const auto& c : cases) {
        const PrinterFont& f = fonts.entry(c.font);
        const std::uint8_t* g = f.glyph(c.code);
        if (c.offset < 0) {
            EXPECT_EQ(g, nullptr) << c.why;
        } else {
            EXPECT_EQ(g, f.glyphs + c.offset) << c.why;
        }
    }
}

// Through the renderer: font 6's glyphs are 16 dots wide in a 20-dot cell,
// and every font 10 code past its glyphs draws nothing but still advances.
TEST(PrinterFont, DrawsFontSixInSixteenColumnsAndNothingPastFontTen) {
    const FontTable fonts;
    TextRenderer renderer(fonts);
    auto raster = testing::makeRaster(64, 96);
    for (int code = 0; code < 256; ++code) {
        raster->Clear();
        int penX = 0;
        int penY = 30;
        renderer.DrawGlyph(*raster, penX, penY, static_cast<std::uint8_t>(code), 6, 1, 0);
        EXPECT_EQ(penX, 20) << "font 6 code " << code;
        for (int y = 0; y < 30; ++y) {
            for (int x = 16; x < 20; ++x) {
                ASSERT_FALSE(testing::dotAt(*raster, x, y)) << "font 6 code " << code;
            }
        }
    }
    for (int code = 128; code < 256; ++code) {
        raster->Clear();
        int penX = 0;
        int penY = 90;
        renderer.DrawGlyph(*raster, penX, penY, static_cast<std::uint8_t>(code), 10, 1, 0);
        EXPECT_EQ(penX, 48) << "font 10 code " << code;
        EXPECT_EQ(testing::countDots(*raster), 0) << "font 10 code " << code;
    }
}

} // namespace
} // namespace quillset
