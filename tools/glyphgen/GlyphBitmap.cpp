#include "GlyphBitmap.h"

#include <algorithm>

namespace glyphgen {

void GlyphBitmap::fill(int x0, int y0, int x1, int y1, bool black) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            set(x, y, black);
        }
    }
}

bool GlyphBitmap::empty() const {
    return std::none_of(dots_.begin(), dots_.end(), [](std::uint8_t d) { return d != 0; });
}

GlyphBitmap::Ink GlyphBitmap::ink() const {
    Ink box;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!at(x, y)) {
                continue;
            }
            if (box.left < 0) {
                box = {x, y, x, y};
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = y;
        }
    }
    return box;
}

} // namespace glyphgen
