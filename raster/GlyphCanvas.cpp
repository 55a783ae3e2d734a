#include "raster/GlyphCanvas.h"

#include "model/StyledText.h"
#include "raster/PageRaster.h"
#include "raster/PrinterFont.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quillset {
namespace {

using Row = GlyphCanvas::Row;

constexpr int kRowBits = GlyphCanvas::kMaxColumns;

// Columns 0..n-1.
Row leadingColumns(int n) {
    return n <= 0 ? Row{0} : ~Row{0} << (kRowBits - std::min(n, kRowBits));
}

// Each bit of a byte twice, in place order.
constexpr std::array<std::uint16_t, 256> kDoubledBits = [] {
    std::array<std::uint16_t, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        for (unsigned bit = 0; bit < 8; ++bit) {
            if (byte & (1U << bit)) {
                table[byte] = static_cast<std::uint16_t>(table[byte] | 3U << (2 * bit));
            }
        }
    }
    return table;
}();

// Columns 0..31 of a 64-bit row, each twice.
std::uint64_t doubledColumns(std::uint64_t row) {
    return std::uint64_t{kDoubledBits[row >> 56]} << 48 |
           std::uint64_t{kDoubledBits[(row >> 48) & 0xFF]} << 32 |
           std::uint64_t{kDoubledBits[(row >> 40) & 0xFF]} << 16 | kDoubledBits[(row >> 32) & 0xFF];
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

void applyByte(std::uint8_t& byte, std::uint8_t dots, bool black) {
    byte = static_cast<std::uint8_t>(black ? byte | dots : byte & ~dots);
}

// Eight page bytes from `at` at once, dot 0 in the first byte's top bit.
void applyWord(std::uint8_t* at, std::uint64_t dots, bool black) {
    if constexpr (std::endian::native == std::endian::little) {
        dots = __builtin_bswap64(dots);
    }
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    word = black ? word | dots : word & ~dots;
    std::memcpy(at, &word, sizeof word);
}

// `row` (columns already cut to the page, column 0 at dot 8 * byte + shift)
// onto `bytes` bytes from `at`. Whole words are written where the storage
// allows; their bytes past the row get no dots and keep what they held.
void putRow(std::uint8_t* at, const std::uint8_t* end, Row row, int shift, int bytes, bool black) {
    const Row shifted = row >> shift;
    const auto spill = static_cast<std::uint8_t>(static_cast<std::uint64_t>(row) << (8 - shift));
    if (end - at >= 17) {
        applyWord(at, static_cast<std::uint64_t>(shifted >> 64), black);
        if (bytes > 8) {
            applyWord(at + 8, static_cast<std::uint64_t>(shifted), black);
            if (bytes > 16) {
                applyByte(at[16], spill, black);
            }
        }
        return;
    }
    for (int k = 0; k < bytes; ++k) {
        applyByte(at[k],
                  k < 16 ? static_cast<std::uint8_t>(shifted >> (kRowBits - 8 - 8 * k)) : spill,
                  black);
    }
}

// Byte i of the result, counted from the top, holds bit i of each byte of
// `x`, the top byte's in its top bit.
std::uint64_t transpose8x8(std::uint64_t x) {
    std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
    x ^= t ^ (t << 28);
    return x;
}

// Columns 0..n-1 of a narrow row.
std::uint64_t leadingColumns64(int n) {
    return n <= 0 ? 0 : ~std::uint64_t{0} << (64 - std::min(n, 64));
}

// A glyph row as load reads it, column 0 in the top bit.
template <int BytesPerRow> std::uint64_t narrowRow(const std::uint8_t* bytes, int skip) {
    if constexpr (BytesPerRow == 1) {
        return std::uint64_t{bytes[0]} << 56 << skip;
    } else if constexpr (BytesPerRow == 2) {
        return std::uint64_t{static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1])} << 48 << skip;
    } else if constexpr (BytesPerRow == 3) {
        return std::uint64_t{static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2])} << 48 << skip;
    } else {
        std::uint64_t row = 0;
        for (int k = 0; k < 6; ++k) {
            row |= std::uint64_t{bytes[k]} << (56 - 8 * k);
        }
        return row;
    }
}

// One glyph in one word per row (see GlyphCanvas::drawNarrow).
struct NarrowGlyph {
    const std::uint8_t* glyph;
    int stride;
    int skip;
    std::uint64_t cell;
    std::uint64_t visible;
    int width;
    int first;
    int shift;
    int bytes;
    bool bold, wide, tall, upsideDown;
    int underlineRow;
    // Row r goes to page byte bits[origin + r * step].
    std::uint8_t* bits;
    std::ptrdiff_t origin;
    std::ptrdiff_t step;
    // Whether each row may be written as a whole word.
    bool roomForWords;
};

template <int BytesPerRow, bool Black>
void drawNarrowRows(const NarrowGlyph& g, int rFrom, int rTo) {
    const bool plain = !g.bold && !g.wide && !g.tall && !g.upsideDown && g.underlineRow < 0;
    if (plain && g.glyph != nullptr && g.roomForWords) {
        const std::uint8_t* source = g.glyph + rFrom * g.stride;
        std::ptrdiff_t at = g.origin + rFrom * g.step;
        for (int r = rFrom; r < rTo; ++r, source += g.stride, at += g.step) {
            const std::uint64_t row = narrowRow<BytesPerRow>(source, g.skip) & g.cell & g.visible;
            if (row != 0) {
                applyWord(g.bits + at, (row << g.first) >> g.shift, Black);
            }
        }
        return;
    }
    for (int r = rFrom; r < rTo; ++r) {
        std::uint64_t row = 0;
        if (r == g.underlineRow) {
            row = leadingColumns64(g.width);
        } else if (g.glyph != nullptr) {
            const int source = g.tall ? r / 2 : r;
            row = narrowRow<BytesPerRow>(g.glyph + source * g.stride, g.skip) & g.cell;
            if (g.bold) {
                row |= row << 1;
            }
            if (g.wide) {
                row = doubledColumns(row);
            }
        }
        if (row == 0) {
            continue;
        }
        if (g.upsideDown) {
            row = reverseBits(row) << (64 - g.width);
        }
        const std::uint64_t dots = ((row & g.visible) << g.first) >> g.shift;
        std::uint8_t* at = g.bits + (g.origin + r * g.step);
        if (g.roomForWords) {
            applyWord(at, dots, Black);
        } else {
            for (int k = 0; k < g.bytes; ++k) {
                applyByte(at[k], static_cast<std::uint8_t>(dots >> (56 - 8 * k)), Black);
            }
        }
    }
}

template <bool Black> void drawNarrowRows(const NarrowGlyph& g, int rFrom, int rTo) {
    switch (g.stride) {
    case 1:
        drawNarrowRows<1, Black>(g, rFrom, rTo);
        break;
    case 2:
        drawNarrowRows<2, Black>(g, rFrom, rTo);
        break;
    case 3:
        drawNarrowRows<3, Black>(g, rFrom, rTo);
        break;
    default:
        drawNarrowRows<6, Black>(g, rFrom, rTo);
        break;
    }
}

// Where an upright or upside-down cell of width x height dots meets the
// page: its columns first..last and rows rFrom..rTo that land on it, row r
// on page row top + r (top - r upside down). Empty when nothing does.
struct UprightClip {
    int left;
    int first;
    int last;
    int top;
    int rFrom;
    int rTo;

    bool empty() const { return first >= last || rFrom >= rTo; }
};

UprightClip clipUpright(const PageRaster& raster, int penX, int penY, int width, int height,
                        bool upsideDown) {
    UprightClip clip;
    clip.left = upsideDown ? penX - (width - 1) : penX;
    clip.first = std::max(0, -clip.left);
    clip.last = std::min<int>(width, raster.dotLimitX() - clip.left);
    clip.top = upsideDown ? penY + height : penY - height;
    const int rowsOnPage = raster.usableRows();
    clip.rFrom = std::max(0, upsideDown ? clip.top - rowsOnPage + 1 : -clip.top);
    clip.rTo = std::min<int>(height, upsideDown ? clip.top + 1 : rowsOnPage - clip.top);
    return clip;
}

} // namespace

void GlyphCanvas::load(const PrinterFont& font, std::uint8_t character) {
    // Doubling must still fit the rows and columns.
    height = static_cast<std::int16_t>(std::min<int>(font.height, kMaxRows / 2));
    width = static_cast<std::int16_t>(std::min<int>(font.width, kMaxColumns / 2));
    skip = static_cast<std::int16_t>(font.skip);
    const std::uint8_t* glyph = font.glyph(character);
    const auto count = static_cast<std::size_t>(std::max<int>(height, 0));
    if (glyph == nullptr) {
        std::fill_n(rows.begin(), count, Row{0});
        return;
    }
    const Row cell = leadingColumns(width);
    const int stride = font.bytesPerRow;
    const auto fill = [&](auto rowAt) {
        for (std::size_t r = 0; r < count; ++r, glyph += stride) {
            rows[r] = rowAt(glyph) & cell;
        }
    };
    switch (stride) {
    case 1:
        fill([this](const std::uint8_t* b) { return Row{b[0]} << (kRowBits - 8) << skip; });
        break;
    case 2:
        fill([this](const std::uint8_t* b) {
            return Row{static_cast<std::uint16_t>(b[0] << 8 | b[1])} << (kRowBits - 16) << skip;
        });
        break;
    case 3:
        fill([this](const std::uint8_t* b) {
            return Row{static_cast<std::uint16_t>(b[1] << 8 | b[2])} << (kRowBits - 16) << skip;
        });
        break;
    default:
        fill([](const std::uint8_t* b) {
            std::uint64_t top = 0;
            for (int k = 0; k < 6; ++k) {
                top |= std::uint64_t{b[k]} << (56 - 8 * k);
            }
            return Row{top} << 64;
        });
        break;
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
        row = Row{doubledColumns(left)} << 64 | doubledColumns(left << 32);
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
    const UprightClip clip = clipUpright(raster, penX, penY, width, height, upsideDown);
    if (clip.empty()) {
        return;
    }
    const auto [left, first, last, top, rFrom, rTo] = clip;
    const Row visible = leadingColumns(last) & ~leadingColumns(first);
    const int x = left + first;
    const int shift = x % 8;
    const int bytes = (shift + last - first + 7) / 8;
    const int rowBytes = raster.settings.rowBytes;
    std::uint8_t* const bits = raster.bits.data();
    const std::uint8_t* const end = bits + raster.bits.size();
    for (int r = rFrom; r < rTo; ++r) {
        const Row row = rows[static_cast<std::size_t>(r)];
        if (row == 0) {
            continue;
        }
        const int y = upsideDown ? top - r : top + r;
        std::uint8_t* at = bits + static_cast<std::size_t>(y) * rowBytes + x / 8;
        putRow(at, end, ((upsideDown ? mirrored(row, width) : row) & visible) << first, shift,
               bytes, black);
    }
}

// Eight rows of the cell are eight page columns, one page byte wide; each
// eight columns of them turn into eight page rows at once.
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
    if (onPage == 0) {
        return;
    }
    // Row r lands on page column base + r (upward) or base - r.
    const int base = upward ? penX - height : penX + height;
    const int xFrom = std::max(0, upward ? base : base - height + 1);
    const int xTo = std::min(limitX, upward ? base + height : base + 1);
    const int blocks = (width + 7) / 8;
    for (int bx = xFrom / 8; bx * 8 < xTo; ++bx) {
        std::array<Row, 8> eight{};
        Row any = 0;
        for (int j = 0; j < 8; ++j) {
            const int x = bx * 8 + j;
            const int r = upward ? x - base : base - x;
            if (x >= xFrom && x < xTo && r >= 0 && r < height) {
                eight[static_cast<std::size_t>(j)] = rows[static_cast<std::size_t>(r)] & onPage;
                any |= eight[static_cast<std::size_t>(j)];
            }
        }
        if (any == 0) {
            continue;
        }
        for (int k = 0; k < blocks; ++k) {
            std::uint64_t block = 0;
            for (int j = 0; j < 8; ++j) {
                block |= std::uint64_t{static_cast<std::uint8_t>(
                             eight[static_cast<std::size_t>(j)] >> (kRowBits - 8 - 8 * k))}
                         << (56 - 8 * j);
            }
            if (block == 0) {
                continue;
            }
            block = transpose8x8(block);
            for (int i = 0; i < 8; ++i) {
                const auto dots = static_cast<std::uint8_t>(block >> (56 - 8 * i));
                if (dots != 0) {
                    const int c = 8 * k + i;
                    const int y = upward ? penY - c : penY + c;
                    applyByte(raster.bits[static_cast<std::size_t>(y) * rowBytes + bx], dots,
                              black);
                }
            }
        }
    }
}

} // namespace quillset

namespace quillset {

bool GlyphCanvas::fitsNarrow(const PrinterFont& font, std::uint8_t attribute) {
    const int cell = std::min<int>(font.width, kMaxColumns / 2);
    return font.skip < 16 && ((attribute & attr::kDoubleWidth) ? 2 * cell : cell) <= 57;
}

void GlyphCanvas::drawNarrow(PageRaster& raster, const PrinterFont& font, std::uint8_t character,
                             std::uint8_t attribute, int penX, int penY, std::int16_t colour,
                             bool upsideDown) {
    const int cellWidth = std::min<int>(font.width, kMaxColumns / 2);
    const int cellHeight = std::min<int>(font.height, kMaxRows / 2);
    const bool wide = (attribute & attr::kDoubleWidth) != 0;
    const bool tall = (attribute & attr::kDoubleHeight) != 0;
    const int width = wide ? 2 * cellWidth : cellWidth;
    const int height = tall ? 2 * cellHeight : cellHeight;

    const UprightClip clip = clipUpright(raster, penX, penY, width, height, upsideDown);
    if (clip.empty()) {
        return;
    }
    const auto [left, first, last, top, rFrom, rTo] = clip;
    NarrowGlyph g;
    g.glyph = font.glyph(character);
    g.stride = font.bytesPerRow;
    g.skip = font.skip;
    g.cell = leadingColumns64(cellWidth);
    g.visible = leadingColumns64(last) & ~leadingColumns64(first);
    g.width = width;
    g.first = first;
    const int x = left + first;
    g.shift = x % 8;
    g.bytes = (g.shift + last - first + 7) / 8;
    g.bold = (attribute & attr::kBold) != 0;
    g.wide = wide;
    g.tall = tall;
    g.upsideDown = upsideDown;
    g.underlineRow = (attribute & attr::kUnderline) ? height - 1 : -1;
    const int rowBytes = raster.settings.rowBytes;
    g.bits = raster.bits.data();
    g.origin = static_cast<std::ptrdiff_t>(top) * rowBytes + x / 8;
    g.step = upsideDown ? -rowBytes : rowBytes;
    const int lowest = upsideDown ? top - rFrom : top + rTo - 1;
    g.roomForWords = static_cast<std::size_t>(lowest) * rowBytes + x / 8 + 8 <= raster.bits.size();
    if (colour != 0) {
        drawNarrowRows<true>(g, rFrom, rTo);
    } else {
        drawNarrowRows<false>(g, rFrom, rTo);
    }
}

} // namespace quillset
