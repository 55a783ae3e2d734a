#pragma once

#include "editor/Point.h"
#include "editor/Rect.h"

namespace quillset {

struct PageSettings;

// Where the page lies in the view at one moment. Mouse events arrive in
// client coordinates (the window's pixels, one pixel a dot); adding the
// scroll position gives logical coordinates, where the paper's top-left is
// (0, 0); subtracting the margins gives page coordinates, those of the
// objects.
struct ViewMapping {
    Point scroll;
    Point margins; // leftMargin, topMargin

    static ViewMapping of(Point scroll, const PageSettings& settings);

    Point toLogical(Point client) const { return client + scroll; }
    Point toPage(Point client) const { return client + scroll - margins; }
    Point toClient(Point page) const { return page + margins - scroll; }
    Rect toPage(const Rect& client) const { return client.translated(scroll - margins); }
    Rect toClient(const Rect& page) const { return page.translated(margins - scroll); }

    // The client point whose page coordinates lie on the nearest grid dot.
    Point snapped(Point client) const;
};

} // namespace quillset
