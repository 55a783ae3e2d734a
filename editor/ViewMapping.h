#pragma once

#include "editor/Point.h"
#include "editor/Rect.h"

namespace quillset {

struct PageSettings;

// Where the page lies in the view at one moment: the one conversion between
// the view's pixels and page dots, used by every tool, the drag frame, the
// grid and the hit test. Mouse events arrive in client pixels (the window's);
// adding the scroll position gives logical pixels, where the paper's top-left
// corner is (0, 0); at zoom z percent dot d spans the logical pixels p with
// d z / 100 <= p < (d + 1) z / 100, so a pixel times 100 / z, rounded down,
// is its paper dot, and subtracting the margins gives page
// dots, those of the objects. Below 100 % a pixel shows several dots.
struct ViewMapping {
    Point scroll;   // logical pixels
    Point margins;  // leftMargin, topMargin
    int zoom = 100; // percent

    static ViewMapping of(Point scroll, const PageSettings& settings, int zoom);

    // The page dot under a client pixel.
    Point toPage(Point client) const;
    // The client pixels that show a box of page dots, every dot whole; at
    // least one pixel each way.
    Rect toClient(const Rect& page) const;
};

} // namespace quillset
