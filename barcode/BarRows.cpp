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

// Bytes `need` to `needEnd` - 1 of every row take the symbol's dots, stored
// whole a Word at a time. The last Word ends at `needEnd` where it fits, else
// at `to`: the bytes before `to` hold the symbol's dots alone, and there is
// room there for a Word. It overlaps what was stored before, and storing a
// byte twice gives the same result. Walking down the rows for each Word keeps
// every store a fixed-size one.
template <typename Word>
void storeInner(const Rows& rows, const std::uint8_t* ink, std::size_t need, std::size_t needEnd,
                std::size_t to) {
    constexpr std::size_t kWidth = sizeof(Word);
    const auto column = [&](std::size_t k) {
        Word word;
        std::memcpy(&word, ink + k, kWidth);
        for (int r = 0; r < rows.count; ++r) {
            std::memcpy(rows.at(r) + k, &word, kWidth);
        }
    };
    std::size_t k = need;
    for (; k + kWidth <= needEnd; k += kWidth) {
        column(k);
    }
    if (k < needEnd) {
        column(std::min(k, to - kWidth));
    }
}

// The Word at byte `k` of every row takes the symbol's dots where `cover` is
// set and keeps its own elsewhere.
template <typename Word>
void mergeColumn(const Rows& rows, std::size_t k, const std::uint8_t* ink,
                 const std::uint8_t* cover) {
    Word inkWord;
    Word keep;
    std::memcpy(&inkWord, ink + k, sizeof(Word));
    std::memcpy(&keep, cover + k, sizeof(Word));
    keep = ~keep;
    for (int r = 0; r < rows.count; ++r) {
        Word word;
        std::memcpy(&word, rows.at(r) + k, sizeof(Word));
        word = (word & keep) | inkWord;
        std::memcpy(rows.at(r) + k, &word, sizeof(Word));
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
    // An end byte may share dots with whatever lies beside the symbol: it is
    // merged first, with the 16 bytes around it where they do not reach the
    // other end's block, and the rest is only stored. A store is never read
    // back in part, which would wait for it.
    const bool headShared = cover[0] != 0xFF;
    const bool tailShared = cover[last] != 0xFF;
    const bool wide = span >= 18 && !(headShared && tailShared && span < 32);
    const std::size_t merged = wide ? 16 : 1;
    const auto merge = [&](std::size_t k) {
        if (wide) {
            mergeColumn<Block16>(target, k, ink.data(), cover.data());
        } else {
            mergeColumn<std::uint8_t>(target, k, ink.data(), cover.data());
        }
    };
    if (headShared) {
        merge(0);
    }
    if (tailShared && (last > 0 || !headShared)) {
        merge(span - merged);
    }
    const std::size_t from = headShared ? 1 : 0;
    const std::size_t to = tailShared ? last : span;
    const std::size_t need = headShared ? merged : 0;
    const std::size_t needEnd = tailShared ? span - merged : span;
    if (need >= needEnd || from >= to) {
        return;
    }
    const std::size_t room = to - from;
    if (room >= 16) {
        storeInner<Block16>(target, ink.data(), need, needEnd, to);
    } else if (room >= 8) {
        storeInner<std::uint64_t>(target, ink.data(), need, needEnd, to);
    } else if (room >= 4) {
        storeInner<std::uint32_t>(target, ink.data(), need, needEnd, to);
    } else if (room >= 2) {
        storeInner<std::uint16_t>(target, ink.data(), need, needEnd, to);
    } else {
        storeInner<std::uint8_t>(target, ink.data(), need, needEnd, to);
    }
}

} // namespace quillset
