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

// Eight 0/1 entries as one raster byte, the first entry in the high bit:
// read as a little-endian word, the multiplication moves entry k's bit to
// bit 63 - k without carries.
std::uint8_t packDots(const std::uint8_t* dots) {
    std::uint64_t v = 0;
    std::memcpy(&v, dots, 8);
    if constexpr (std::endian::native == std::endian::big) {
        v = __builtin_bswap64(v);
    }
    return static_cast<std::uint8_t>((v * 0x8040201008040201ULL) >> 56);
}

// Spans of a row are short; fixed-size blocks cost less than a block copy's
// start-up.
void copyShort(std::uint8_t* to, const std::uint8_t* from, std::size_t n) {
    for (; n >= 16; n -= 16, to += 16, from += 16) {
        std::memcpy(to, from, 16);
    }
    const auto copy = [&to, &from](std::size_t block) {
        std::memcpy(to, from, block);
        to += block;
        from += block;
    };
    if (n & 8) {
        copy(8);
    }
    if (n & 4) {
        copy(4);
    }
    if (n & 2) {
        copy(2);
    }
    if (n & 1) {
        copy(1);
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

    // The entries left to right, one byte per dot, with a byte's worth of
    // spaces either side so that every raster byte can read its 8 dots.
    constexpr int kPad = 8;
    std::array<std::uint8_t, BarPattern::kCapacity + 2 * kPad> line;
    const auto n = static_cast<std::size_t>(length);
    std::fill_n(line.begin(), kPad, std::uint8_t{0});
    std::fill_n(line.begin() + kPad + length, kPad, std::uint8_t{0});
    if (step > 0) {
        std::copy_n(pattern.data(), n, line.begin() + kPad);
    } else {
        std::reverse_copy(pattern.data(), pattern.data() + n, line.begin() + kPad);
    }
    const int b1 = x1 / 8;
    const int b2 = x2 / 8;
    std::array<std::uint8_t, kRasterRowBytes> ink{};
    for (int c = b1; c <= b2; ++c) {
        const std::uint8_t* dots = line.data() + kPad + 8 * c - xLow;
        ink[static_cast<std::size_t>(c - b1)] = packDots(dots);
    }

    const std::uint8_t firstMask = MakeByteMask(x1 % 8, b1 == b2 ? x2 % 8 : 7);
    const std::uint8_t lastMask = MakeByteMask(0, x2 % 8);
    const auto paint = [](std::uint8_t& byte, std::uint8_t mask, std::uint8_t dots) {
        byte = static_cast<std::uint8_t>((byte & ~mask) | (dots & mask));
    };
    const auto whole = static_cast<std::size_t>(std::max(b2 - b1 - 1, 0));
    for (int y = y1; y <= y2; ++y) {
        std::uint8_t* row = raster.bits.data() + static_cast<std::size_t>(y) * rowBytes;
        paint(row[b1], firstMask, ink[0]);
        if (b2 > b1) {
            copyShort(row + b1 + 1, ink.data() + 1, whole);
            paint(row[b2], lastMask, ink[static_cast<std::size_t>(b2 - b1)]);
        }
    }
}

} // namespace quillset
