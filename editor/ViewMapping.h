#pragma once

#include "editor/Point.h"
#include "editor/Rect.h"

namespace quillset {

struct PageSettings;

// Where the page lies in the view at one moment: the one conversion between
// the view's pixels and page dots, used by every tool, the drag frame, the
// grid and the hit test. Mouse events arrive in client pixels (the window's);
// adding the scroll position gives logical pixels, where the paper's top-left
// corner is (0, 0); at zoom z a dot is a square of z x z pixels, so logical
// pixels divided by z are paper dots, and subtracting the margins gives page
// dots, those of the objects.
struct ViewMapping {
    Point scroll;  // logical pixels
    Point margins; // leftMargin, topMargin
    int zoom = 1;

    static ViewMapping of(Point scroll, const PageSettings& settings, int zoom);

    // The page dot under a client pixel.
    Point toPage(Point client) const;
    // The client pixels that show a box of page dots, every dot whole.
    Rect toClient(const Rect& page) const;
};

} // namespace quillset
