#pragma once

#include "editor/Point.h"

namespace quillset {

// A box whose four edges belong to it, as a rectangle object's corners do.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Point topLeft() const { return {left, top}; }
    Rect translated(Point by) const {
        return {left + by.x, top + by.y, right + by.x, bottom + by.y};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The box spanned by two corners in any order.
Rect normalised(Point a, Point b);

} // namespace quillset
