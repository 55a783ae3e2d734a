#include "raster/PageRaster.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quillset {

std::ptrdiff_t PageRaster::indexOf(int c, int r) const {
    if (c < 0 || c >= settings.rowBytes || r < 0 || r >= usableRows()) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(r) * settings.rowBytes + c;
}

void PageRaster::PutByte(int c, int r, std::uint8_t value) {
    if (const auto i = indexOf(c, r); i >= 0) {
        bits[static_cast<std::size_t>(i)] = value;
    }
}

void PageRaster::OrByte(int c, int r, std::uint8_t mask) {
    if (const auto i = indexOf(c, r); i >= 0) {
        bits[static_cast<std::size_t>(i)] |= mask;
    }
}

void PageRaster::AndNotByte(int c, int r, std::uint8_t mask) {
    if (const auto i = indexOf(c, r); i >= 0) {
        bits[static_cast<std::size_t>(i)] &= static_cast<std::uint8_t>(~mask);
    }
}

std::uint8_t PageRaster::GetByte(int c, int r) const {
    const auto i = indexOf(c, r);
    return i >= 0 ? bits[static_cast<std::size_t>(i)] : 0;
}

void PageRaster::SetDot(int x, int y, std::int16_t colour) {
    if (x < 0 || x > settings.pageWidth || y < 0 || y > settings.pageHeight) {
        return;
    }
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    const std::uint8_t old = GetByte(x / 8, y);
    PutByte(x / 8, y, static_cast<std::uint8_t>(colour != 0 ? old | bit : old & ~bit));
}

void PageRaster::Clear() {
    const int rows = usableRows();
    if (rows > 0) {
        std::memset(bits.data(), 0, static_cast<std::size_t>(rows) * settings.rowBytes);
    }
}

std::uint8_t MakeByteMask(int first, int last) {
    const int ones = (1 << (last - first + 1)) - 1;
    return static_cast<std::uint8_t>(ones << (7 - last));
}

void FillArea(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour) {
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
    if (x2 < 0 || y2 < 0) {
        return;
    }
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    // The byte operations would skip everything past the page; cutting the
    // box there first draws the same dots without visiting them.
    const int rowBytes = raster.settings.rowBytes;
    x2 = std::min(x2, rowBytes * 8 - 1);
    y2 = std::min(y2, raster.usableRows() - 1);
    if (x1 > x2 || y1 > y2) {
        return;
    }

    const int b1 = x1 / 8;
    const int b2 = x2 / 8;
    const bool black = colour != 0;
    const auto apply = [black](std::uint8_t& byte, std::uint8_t mask) {
        byte = static_cast<std::uint8_t>(black ? byte | mask : byte & ~mask);
    };
    const std::uint8_t leftMask = b1 == b2 ? MakeByteMask(x1 % 8, x2 % 8) : MakeByteMask(x1 % 8, 7);
    const std::uint8_t rightMask = MakeByteMask(0, x2 % 8);
    for (int y = y1; y <= y2; ++y) {
        std::uint8_t* row = raster.bits.data() + static_cast<std::size_t>(y) * rowBytes;
        apply(row[b1], leftMask);
        if (b1 == b2) {
            continue;
        }
        if (b2 - b1 > 1) {
            std::memset(row + b1 + 1, black ? 0xFF : 0x00, static_cast<std::size_t>(b2 - b1 - 1));
        }
        apply(row[b2], rightMask);
    }
}

void DrawBorder(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour,
                std::int16_t thickness) {
    const int xl = std::min(x1, x2);
    const int xr = std::max(x1, x2);
    const int yt = std::min(y1, y2);
    const int yb = std::max(y1, y2);
    const BorderBand l = borderBand(xl, thickness);
    const BorderBand r = borderBand(xr, thickness);
    const BorderBand t = borderBand(yt, thickness);
    const BorderBand b = borderBand(yb, thickness);
    FillArea(raster, l.first, t.first, r.last, t.last, colour);
    FillArea(raster, l.first, b.first, r.last, b.last, colour);
    FillArea(raster, l.first, t.first, l.last, b.last, colour);
    FillArea(raster, r.first, t.first, r.last, b.last, colour);
}

BorderBand borderBand(int edge, std::int16_t thickness) {
    const int a = (thickness + 1) / 2;
    return {edge - (a - 1), edge + (thickness - a)};
}

void DrawBox(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour,
             int thickness) {
    const auto width = static_cast<std::int16_t>(thickness);
    if (width != 0) {
        DrawBorder(raster, x1, y1, x2, y2, colour, width);
    } else {
        FillArea(raster, x1, y1, x2, y2, colour);
    }
}

} // namespace quillset
