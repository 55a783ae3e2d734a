#include "editor/ViewMapping.h"

#include "model/PageSettings.h"

namespace quillset {

namespace {

// Rounded down, also left of the paper and above it.
int dotOf(int pixel, int zoom) {
    const int q = pixel / zoom;
    return pixel % zoom < 0 ? q - 1 : q;
}

} // namespace

ViewMapping ViewMapping::of(Point scroll, const PageSettings& settings, int zoom) {
    return {scroll, {settings.leftMargin, settings.topMargin}, zoom};
}

Point ViewMapping::toPage(Point client) const {
    const Point logical = client + scroll;
    return Point{dotOf(logical.x, zoom), dotOf(logical.y, zoom)} - margins;
}

Rect ViewMapping::toClient(const Rect& page) const {
    const Rect paper = page.translated(margins);
    const int last = zoom - 1;
    return Rect{paper.left * zoom, paper.top * zoom, paper.right * zoom + last,
                paper.bottom * zoom + last}
        .translated(Point{} - scroll);
}

} // namespace quillset
