#include "editor/ShrinkDots.h"

#include <algorithm>
#include <cstdint>

namespace quillset {

namespace {

long long floorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Lengths are counted in hundredths of a dot times the zoom: a dot is `zoom`
// long and a pixel 100, so every overlap is a whole number.
constexpr long long kPixel = 100;

// Adds `weight` times the length of [start, start + length) that each pixel
// covers to that pixel's entry of `sums`, pixel `first` at index 0.
template <typename Add> void spread(long long start, long long length, long long first, Add add) {
    const long long end = start + length;
    while (start < end) {
        const long long pixel = floorDiv(start, kPixel);
        const long long stop = std::min(end, (pixel + 1) * kPixel);
        add(static_cast<std::size_t>(pixel - first), static_cast<std::uint32_t>(stop - start));
        start = stop;
    }
}

} // namespace

GreyPixels shrinkDots(const DotRows& dots, Point origin, int zoom) {
    GreyPixels shown;
    if (zoom <= 0 || dots.width <= 0 || dots.height <= 0 || !dots.bits)
        return shown;
    const long long z = zoom;
    const long long left = floorDiv(origin.x * z, kPixel);
    const long long top = floorDiv(origin.y * z, kPixel);
    const long long right = -floorDiv(-(origin.x + static_cast<long long>(dots.width)) * z, kPixel);
    const long long bottom =
        -floorDiv(-(origin.y + static_cast<long long>(dots.height)) * z, kPixel);
    shown.left = static_cast<int>(left);
    shown.top = static_cast<int>(top);
    shown.width = static_cast<int>(right - left);
    shown.height = static_cast<int>(bottom - top);
    const auto columns = static_cast<std::size_t>(shown.width);

    // Black covered in each pixel: first across one row of dots, then that
    // row's share of each pixel row it reaches down into. A pixel holds at
    // most kPixel * kPixel.
    std::vector<std::uint32_t> covered(columns * static_cast<std::size_t>(shown.height), 0);
    std::vector<std::uint32_t> across(columns, 0);
    for (int y = 0; y < dots.height; ++y) {
        const std::uint8_t* row = dots.bits + static_cast<std::ptrdiff_t>(y) * dots.stride;
        std::fill(across.begin(), across.end(), 0u);
        bool black = false;
        for (int x = 0; x < dots.width; ++x) {
            const std::uint8_t byte = row[x / 8];
            if (byte == 0) {
                x |= 7; // a white byte: on to the next
                continue;
            }
            if (!(byte & (0x80u >> (x % 8))))
                continue;
            black = true;
            spread(
                (origin.x + static_cast<long long>(x)) * z, z, left,
                [&across](std::size_t column, std::uint32_t length) { across[column] += length; });
        }
        if (!black)
            continue;
        spread((origin.y + static_cast<long long>(y)) * z, z, top,
               [&](std::size_t pixelRow, std::uint32_t height) {
                   std::uint32_t* sums = covered.data() + pixelRow * columns;
                   for (std::size_t c = 0; c < columns; ++c)
                       sums[c] += across[c] * height;
               });
    }

    constexpr std::uint32_t kWhole = kPixel * kPixel;
    shown.grey.resize(covered.size());
    std::transform(covered.begin(), covered.end(), shown.grey.begin(), [](std::uint32_t black) {
        return static_cast<std::uint8_t>(255 - (black * 255 + kWhole / 2) / kWhole);
    });
    return shown;
}

} // namespace quillset
