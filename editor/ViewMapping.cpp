#include "editor/ViewMapping.h"

#include "model/PageSettings.h"

#include <algorithm>

namespace quillset {

namespace {

// Rounded down, also left of the paper and above it.
int floorDiv(long long a, long long b) {
    const long long q = a / b;
    return static_cast<int>(a % b < 0 ? q - 1 : q);
}

int dotOf(int pixel, int zoom) {
    return floorDiv(pixel * 100LL, zoom);
}

// The first pixel of a dot: the one whose dot it is by dotOf.
int pixelOf(int dot, int zoom) {
    return -floorDiv(-dot * static_cast<long long>(zoom), 100);
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
    const int left = pixelOf(paper.left, zoom);
    const int top = pixelOf(paper.top, zoom);
    return Rect{left, top, std::max(left, pixelOf(paper.right + 1, zoom) - 1),
                std::max(top, pixelOf(paper.bottom + 1, zoom) - 1)}
        .translated(Point{} - scroll);
}

} // namespace quillset
