#include "barcode/BarRows.h"

#include "barcode/BarPattern.h"
#include "model/Limits.h"
#include "raster/PageRaster.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace quillset {

namespace {

// The raster byte whose first dot is x: the entries at x to x + 7, read
// forwards (step 1) or backwards (step -1), spaces off the pattern's ends.
std::uint8_t gatherByte(const BarPattern& pattern, int length, int step, int xLow, int xHigh,
                        int x) {
    // The lowest entry of the eight, at the byte's first dot going forwards
    // and at its last going backwards.
    const int first = step > 0 ? x - xLow : xHigh - (x + 7);
    if (first >= 0 && first + 8 <= length) {
        // Entries are 0 or 1: read as a little-endian word, the multiplication
        // gathers entry k at bit 63 - k going forwards, at bit 56 + k going
        // backwards, without carries.
        std::uint64_t v = 0;
        std::memcpy(&v, pattern.data() + first, 8);
        if constexpr (std::endian::native == std::endian::big) {
            v = __builtin_bswap64(v);
        }
        const std::uint64_t spread = step > 0 ? 0x8040201008040201ULL : 0x0102040810204080ULL;
        return static_cast<std::uint8_t>((v * spread) >> 56);
    }
    std::uint8_t byte = 0;
    for (int d = 0; d < 8; ++d) {
        const int i = step > 0 ? x + d - xLow : xHigh - (x + d);
        const bool bar = i >= 0 && i < length && pattern[static_cast<std::size_t>(i)] != 0;
        byte = static_cast<std::uint8_t>(byte << 1 | (bar ? 1 : 0));
    }
    return byte;
}

// The rows to paint, from the span's first byte on the top row.
struct Rows {
    std::uint8_t* top;
    int stride;
    int count;
    std::uint8_t* at(int r) const { return top + static_cast<std::ptrdiff_t>(r) * stride; }
};

// Bytes 1 to inner of every row are the symbol's alone and are stored whole,
// Width bytes at a time; the last block ends at the last inner byte and may
// overlap the one before, which stores the same bytes again. Walking down the
// rows for each block keeps every store a fixed-size one.
template <std::size_t Width>
void storeInner(const Rows& rows, const std::uint8_t* ink, std::size_t inner) {
    const auto column = [&](std::size_t k) {
        for (int r = 0; r < rows.count; ++r) {
            std::memcpy(rows.at(r) + k, ink + k, Width);
        }
    };
    for (std::size_t k = 1; k + Width <= inner + 1; k += Width) {
        column(k);
    }
    if (inner % Width != 0) {
        column(inner + 1 - Width);
    }
}

} // namespace

void paintBarRows(PageRaster& raster, const BarPattern& pattern, int firstX, int step, int y1,
                  int y2) {
    const int length = static_cast<int>(pattern.length());
    if (length == 0) {
        return;
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    const int xLow = step > 0 ? firstX : firstX - (length - 1);
    const int xHigh = xLow + length - 1;
    const int rowBytes = raster.settings.rowBytes;
    const int x1 = std::max(xLow, 0);
    const int x2 = std::min({xHigh, rowBytes * 8 - 1, kRasterWidth - 1});
    y1 = std::max(y1, 0);
    y2 = std::min(y2, raster.usableRows() - 1);
    if (x1 > x2 || y1 > y2) {
        return;
    }

    // One row's bytes b1..b2: the dots the pattern covers, and which of them
    // are bars.
    const int b1 = x1 / 8;
    const int b2 = x2 / 8;
    const auto last = static_cast<std::size_t>(b2 - b1);
    const std::size_t span = last + 1;
    std::array<std::uint8_t, kRasterRowBytes> ink;
    std::array<std::uint8_t, kRasterRowBytes> cover;
    for (std::size_t k = 0; k <= last; ++k) {
        cover[k] = static_cast<std::uint8_t>((k == 0 ? MakeByteMask(x1 % 8, 7) : 0xFF) &
                                             (k == last ? MakeByteMask(0, x2 % 8) : 0xFF));
        ink[k] = gatherByte(pattern, length, step, xLow, xHigh, 8 * (b1 + static_cast<int>(k)));
    }

    const Rows target{raster.bits.data() + static_cast<std::size_t>(y1) * rowBytes + b1, rowBytes,
                      y2 - y1 + 1};
    // The end bytes may share dots with whatever lies beside the symbol.
    for (int r = 0; r < target.count; ++r) {
        for (const std::size_t k : {std::size_t{0}, last}) {
            std::uint8_t& byte = target.at(r)[k];
            byte = static_cast<std::uint8_t>((byte & ~cover[k]) | ink[k]);
        }
    }
    const std::size_t inner = span > 2 ? span - 2 : 0;
    if (inner >= 16) {
        storeInner<16>(target, ink.data(), inner);
    } else if (inner >= 8) {
        storeInner<8>(target, ink.data(), inner);
    } else if (inner >= 4) {
        storeInner<4>(target, ink.data(), inner);
    } else if (inner >= 2) {
        storeInner<2>(target, ink.data(), inner);
    } else if (inner == 1) {
        storeInner<1>(target, ink.data(), inner);
    }
}

} // namespace quillset
