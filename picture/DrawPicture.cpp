#include "picture/DrawPicture.h"

#include "model/Picture.h"
#include "raster/PageRaster.h"

#include <algorithm>

namespace quillset {

namespace {

// Eight of the row's dots from dot `first` on (any, also outside the row,
// where there are none) as one byte, the first in the top bit.
std::uint8_t eightDots(const std::uint8_t* row, int rowBytes, int first) {
    const int byte = first >= 0 ? first / 8 : (first - 7) / 8;
    const int shift = first - byte * 8;
    const auto at = [&](int b) -> unsigned { return b >= 0 && b < rowBytes ? row[b] : 0u; };
    const unsigned both = at(byte) << 8 | at(byte + 1);
    return static_cast<std::uint8_t>(both >> (8 - shift));
}

} // namespace

void DrawPicture(PageRaster& raster, int x, int y, const Picture& picture) {
    const int rowBytes = raster.settings.rowBytes;
    const int firstX = std::max(0, x);
    const int endX = std::min(raster.dotLimitX(), x + picture.width);
    const int firstY = std::max(0, y);
    const int endY = std::min(raster.usableRows(), y + picture.height);
    if (firstX >= endX || firstY >= endY)
        return;
    const int firstByte = firstX / 8;
    const int lastByte = (endX - 1) / 8;
    const int pictureRowBytes = picture.rowBytes();
    // Byte c of a page row takes the picture's dots from c * 8 - x on: the
    // same shift for every byte of the row, one source byte further each.
    const int shift = ((-x) % 8 + 8) % 8;
    for (int py = firstY; py < endY; ++py) {
        const std::uint8_t* source =
            picture.rows.data() + static_cast<std::size_t>(py - y) * pictureRowBytes;
        std::uint8_t* target = raster.bits.data() + static_cast<std::ptrdiff_t>(py) * rowBytes;
        // The first and last bytes may hold dots of the page beside the
        // picture; those between are the picture's alone.
        const auto edge = [&](int c) {
            const int from = std::max(firstX, c * 8) - c * 8;
            const int to = std::min(endX - 1, c * 8 + 7) - c * 8;
            const std::uint8_t mask = MakeByteMask(from, to);
            const std::uint8_t dots = eightDots(source, pictureRowBytes, c * 8 - x);
            target[c] = static_cast<std::uint8_t>((target[c] & ~mask) | (dots & mask));
        };
        edge(firstByte);
        if (lastByte == firstByte)
            continue;
        int c = firstByte + 1;
        // Whole source bytes while both that a shifted byte takes exist.
        int b = (c * 8 - x) / 8;
        if (shift == 0) {
            for (; c < lastByte; ++c, ++b)
                target[c] = source[b];
        } else {
            for (; c < lastByte && b + 1 < pictureRowBytes; ++c, ++b)
                target[c] = static_cast<std::uint8_t>(source[b] << shift | source[b + 1] >> (8 - shift));
        }
        for (; c <= lastByte; ++c)
            edge(c);
    }
}

} // namespace quillset
