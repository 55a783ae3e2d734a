#include "raster/GlyphCanvas.h"

#include "raster/PageRaster.h"
#include "raster/PrinterFont.h"

#include <algorithm>
#include <bit>

namespace quillset {
namespace {

using Row = GlyphCanvas::Row;

constexpr int kRowBits = GlyphCanvas::kMaxColumns;

// Columns 0..n-1.
Row leadingColumns(int n) {
    return n <= 0 ? Row{0} : ~Row{0} << (kRowBits - std::min(n, kRowBits));
}

// Each of the 32 bits of `x` twice, in place order: bit i becomes bits 2i
// and 2i + 1.
std::uint64_t spreadBits(std::uint64_t x) {
    x = (x | x << 16) & 0x0000FFFF0000FFFFULL;
    x = (x | x << 8) & 0x00FF00FF00FF00FFULL;
    x = (x | x << 4) & 0x0F0F0F0F0F0F0F0FULL;
    x = (x | x << 2) & 0x3333333333333333ULL;
    x = (x | x << 1) & 0x5555555555555555ULL;
    return x | x << 1;
}

std::uint64_t reverseBits(std::uint64_t x) {
    x = (x >> 1 & 0x5555555555555555ULL) | (x & 0x5555555555555555ULL) << 1;
    x = (x >> 2 & 0x3333333333333333ULL) | (x & 0x3333333333333333ULL) << 2;
    x = (x >> 4 & 0x0F0F0F0F0F0F0F0FULL) | (x & 0x0F0F0F0F0F0F0F0FULL) << 4;
    return __builtin_bswap64(x);
}

// Columns 0..width-1 in reverse order, still starting at column 0.
Row mirrored(Row row, int width) {
    const Row reversed = Row{reverseBits(static_cast<std::uint64_t>(row))} << 64 |
                         reverseBits(static_cast<std::uint64_t>(row >> 64));
    return reversed << (kRowBits - width);
}

int firstColumn(Row row) {
    const auto high = static_cast<std::uint64_t>(row >> 64);
    return high != 0 ? std::countl_zero(high)
                     : 64 + std::countl_zero(static_cast<std::uint64_t>(row));
}

void applyByte(std::uint8_t& byte, std::uint8_t dots, bool black) {
    byte = static_cast<std::uint8_t>(black ? byte | dots : byte & ~dots);
}

// Columns 0..width-1 of `row` onto a page row from dot x on, cut to
// 0..limit-1.
void putSpan(std::uint8_t* line, int x, Row row, int width, int limit, bool black) {
    if (x < 0) {
        if (-x >= width) {
            return;
        }
        row <<= -x;
        width += x;
        x = 0;
    }
    if (x + width > limit) {
        width = limit - x;
        if (width <= 0) {
            return;
        }
        row &= leadingColumns(width);
    }
    row >>= x % 8;
    const int bytes = (x % 8 + width + 7) / 8;
    for (int k = 0; k < bytes; ++k) {
        applyByte(line[x / 8 + k], static_cast<std::uint8_t>(row >> (kRowBits - 8 - 8 * k)), black);
    }
}

} // namespace

void GlyphCanvas::load(const PrinterFont& font, std::uint8_t character) {
    // Doubling must still fit the rows and columns.
    height = static_cast<std::int16_t>(std::min<int>(font.height, kMaxRows / 2));
    width = static_cast<std::int16_t>(std::min<int>(font.width, kMaxColumns / 2));
    skip = static_cast<std::int16_t>(font.skip);
    const std::uint8_t* glyph = font.glyph(character);
    const Row cell = leadingColumns(width);
    for (int r = 0; r < height; ++r) {
        Row row = 0;
        if (glyph != nullptr) {
            const std::uint8_t* bytes = glyph + r * font.bytesPerRow;
            switch (font.bytesPerRow) {
            case 1:
                row = Row{bytes[0]} << (kRowBits - 8) << skip;
                break;
            case 2:
                row = Row{static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1])} << (kRowBits - 16)
                                                                                << skip;
                break;
            case 3:
                row = Row{static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2])} << (kRowBits - 16)
                                                                                << skip;
                break;
            default:
                for (int b = 0; b < 6; ++b) {
                    row |= Row{bytes[b]} << (kRowBits - 8 - 8 * b);
                }
                break;
            }
        }
        rows[static_cast<std::size_t>(r)] = row & cell;
    }
}

void GlyphCanvas::embolden() {
    for (int r = 0; r < height; ++r) {
        rows[static_cast<std::size_t>(r)] |= rows[static_cast<std::size_t>(r)] << 1;
    }
}

void GlyphCanvas::doubleWidth() {
    for (int r = 0; r < height; ++r) {
        auto& row = rows[static_cast<std::size_t>(r)];
        const auto left = static_cast<std::uint64_t>(row >> 64);
        row = Row{spreadBits(left >> 32)} << 64 | spreadBits(left & 0xFFFFFFFFULL);
    }
    width = static_cast<std::int16_t>(width * 2);
}

void GlyphCanvas::doubleHeight() {
    for (int r = height - 1; r >= 0; --r) {
        const Row row = rows[static_cast<std::size_t>(r)];
        rows[static_cast<std::size_t>(2 * r)] = row;
        rows[static_cast<std::size_t>(2 * r + 1)] = row;
    }
    height = static_cast<std::int16_t>(height * 2);
}

void GlyphCanvas::underline() {
    if (height > 0) {
        rows[static_cast<std::size_t>(height - 1)] = leadingColumns(width);
    }
}

void GlyphCanvas::blit(PageRaster& raster, int penX, int penY, std::int16_t colour,
                       int angle) const {
    const bool black = colour != 0;
    switch (angle) {
    case 1:
        blitVertical(raster, penX, penY, black, true);
        break;
    case 2:
        blitHorizontal(raster, penX, penY, black, true);
        break;
    case 3:
        blitVertical(raster, penX, penY, black, false);
        break;
    default:
        blitHorizontal(raster, penX, penY, black, false);
        break;
    }
}

void GlyphCanvas::blitHorizontal(PageRaster& raster, int penX, int penY, bool black,
                                 bool upsideDown) const {
    const int rowsOnPage = raster.usableRows();
    const int limitX = raster.dotLimitX();
    const int rowBytes = raster.settings.rowBytes;
    const int left = upsideDown ? penX - (width - 1) : penX;
    for (int r = 0; r < height; ++r) {
        const int y = upsideDown ? penY + height - r : penY - height + r;
        const Row row = rows[static_cast<std::size_t>(r)];
        if (y < 0 || y >= rowsOnPage || row == 0) {
            continue;
        }
        std::uint8_t* line = raster.bits.data() + static_cast<std::size_t>(y) * rowBytes;
        putSpan(line, left, upsideDown ? mirrored(row, width) : row, width, limitX, black);
    }
}

void GlyphCanvas::blitVertical(PageRaster& raster, int penX, int penY, bool black,
                               bool upward) const {
    const int rowsOnPage = raster.usableRows();
    const int limitX = raster.dotLimitX();
    const int rowBytes = raster.settings.rowBytes;
    // Column c lands on page row penY - c (upward) or penY + c; keep only
    // the columns that land on the page.
    const int firstOnPage = upward ? penY - rowsOnPage + 1 : -penY;
    const int lastOnPage = upward ? penY : rowsOnPage - 1 - penY;
    const Row onPage = leadingColumns(std::min<int>(lastOnPage + 1, width)) &
                       ~leadingColumns(std::max(firstOnPage, 0));
    for (int r = 0; r < height; ++r) {
        const int x = upward ? penX + r - height : penX + height - r;
        Row row = rows[static_cast<std::size_t>(r)] & onPage;
        if (x < 0 || x >= limitX) {
            continue;
        }
        const auto dot = static_cast<std::uint8_t>(0x80 >> (x % 8));
        while (row != 0) {
            const int c = firstColumn(row);
            row &= ~(Row{1} << (kRowBits - 1 - c));
            const int y = upward ? penY - c : penY + c;
            applyByte(raster.bits[static_cast<std::size_t>(y) * rowBytes + x / 8], dot, black);
        }
    }
}

} // namespace quillset
