#include "barcode/BarRows.h"

#include "barcode/BarPattern.h"
#include "model/Limits.h"
#include "raster/PageRaster.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace quillset {

namespace {

// Each byte with its bits in the opposite order.
constexpr auto kReversed = [] {
    std::array<std::uint8_t, 256> reversed{};
    for (unsigned b = 0; b < 256; ++b) {
        for (unsigned k = 0; k < 8; ++k) {
            reversed[b] |= static_cast<std::uint8_t>(((b >> k) & 1) << (7 - k));
        }
    }
    return reversed;
}();

// The rows to paint, from the span's first byte on the top row.
struct Rows {
    std::uint8_t* top;
    int stride;
    int count;
    std::uint8_t* at(int r) const { return top + static_cast<std::ptrdiff_t>(r) * stride; }
};

// Sixteen bytes as one value, for the block-wide stores below.
using Block16 = std::uint8_t __attribute__((vector_size(16)));

// Bytes `from` to `to` - 1 of every row are the symbol's alone: they are
// stored whole, a Word at a time, the last Word ending at `to` and
// overlapping the one before, which stores the same bytes again. Walking down
// the rows for each Word keeps every store a fixed-size one.
template <typename Word>
void storeInner(const Rows& rows, const std::uint8_t* ink, std::size_t from, std::size_t to) {
    constexpr std::size_t kWidth = sizeof(Word);
    const auto column = [&](std::size_t k) {
        Word word;
        std::memcpy(&word, ink + k, kWidth);
        for (int r = 0; r < rows.count; ++r) {
            std::memcpy(rows.at(r) + k, &word, kWidth);
        }
    };
    std::size_t k = from;
    for (; k + kWidth <= to; k += kWidth) {
        column(k);
    }
    if (k < to) {
        column(to - kWidth);
    }
}

// The byte at `k` of every row takes the symbol's dots where `cover` is set
// and keeps its own elsewhere.
void mergeColumn(const Rows& rows, std::size_t k, std::uint8_t ink, std::uint8_t cover) {
    const auto keep = static_cast<std::uint8_t>(~cover);
    for (int r = 0; r < rows.count; ++r) {
        std::uint8_t& byte = rows.at(r)[k];
        byte = static_cast<std::uint8_t>((byte & keep) | ink);
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
    // are bars. The end bytes' dots outside the cover hold no entries, so
    // they are never bars.
    const int b1 = x1 / 8;
    const int b2 = x2 / 8;
    const auto last = static_cast<std::size_t>(b2 - b1);
    const std::size_t span = last + 1;
    std::array<std::uint8_t, kRasterRowBytes> ink;
    std::array<std::uint8_t, kRasterRowBytes> cover;
    std::fill_n(cover.begin(), span, std::uint8_t{0xFF});
    cover[0] = MakeByteMask(x1 % 8, 7);
    cover[last] &= MakeByteMask(0, x2 % 8);
    if (step > 0) {
        pattern.readEights(8 * b1 - xLow, std::span(ink.data(), span));
    } else {
        // Going backwards a byte's last dot holds its lowest entry, and the
        // row's last byte the lowest entries of all.
        std::array<std::uint8_t, kRasterRowBytes> eights;
        pattern.readEights(xHigh - (8 * b2 + 7), std::span(eights.data(), span));
        for (std::size_t k = 0; k < span; ++k) {
            ink[k] = kReversed[eights[last - k]];
        }
    }

    const Rows target{raster.bits.data() + static_cast<std::size_t>(y1) * rowBytes + b1, rowBytes,
                      y2 - y1 + 1};
    // An end byte may share dots with whatever lies beside the symbol.
    std::size_t from = 0;
    std::size_t to = span;
    if (cover[0] != 0xFF) {
        mergeColumn(target, 0, ink[0], cover[0]);
        from = 1;
    }
    if (cover[last] != 0xFF && last >= from) {
        mergeColumn(target, last, ink[last], cover[last]);
        to = last;
    }
    if (from >= to) {
        return;
    }
    const std::size_t inner = to - from;
    if (inner >= 16) {
        storeInner<Block16>(target, ink.data(), from, to);
    } else if (inner >= 8) {
        storeInner<std::uint64_t>(target, ink.data(), from, to);
    } else if (inner >= 4) {
        storeInner<std::uint32_t>(target, ink.data(), from, to);
    } else if (inner >= 2) {
        storeInner<std::uint16_t>(target, ink.data(), from, to);
    } else {
        storeInner<std::uint8_t>(target, ink.data(), from, to);
    }
}

} // namespace quillset
