#pragma once

#include "editor/Point.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillset {

// Rows of 1-bit dots as a page picture holds them: the leftmost dot of a row
// in bit 0x80 of its first byte, a set bit black.
struct DotRows {
    const std::uint8_t* bits = nullptr;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
    int width = 0;
    int height = 0;
};

// Grey pixels row after row, 0 black to 255 white; the first at logical
// pixel (left, top).
struct GreyPixels {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> grey;

    std::uint8_t at(int x, int y) const {
        return grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
    }
};

// The dots as the page view shows them shrunk: each pixel as grey as the
// share of its area that black dots cover, so that a picture dithered finer
// than the pixels shows its tones instead of the few dots that happen to lie
// under the pixels. The dots start at paper dot `origin` (the margins); at
// `zoom` percent dot d covers the logical pixels from d z / 100 to
// (d + 1) z / 100, as in ViewMapping, and the paper around the dots is white.
GreyPixels shrinkDots(const DotRows& dots, Point origin, int zoom);

} // namespace quillset
