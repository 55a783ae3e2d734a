#include "editor/HitTest.h"

#include "model/ObjectList.h"
#include "raster/PageRaster.h"

#include <algorithm>

namespace quillset {

namespace {

// Dots either side of a hollow rectangle's border that still count as on it.
constexpr int kOutlineSlack = 2;

struct Span {
    int from;
    int to;
    bool holds(int v) const { return from <= v && v <= to; }
};

// The dots across the side drawn on `edge`, widened by the slack.
Span sideAcross(int edge, std::int16_t thickness) {
    const BorderBand band = borderBand(edge, thickness);
    return {std::min(band.first, band.last) - kOutlineSlack,
            std::max(band.first, band.last) + kOutlineSlack};
}

// On one of the four sides, as DrawBorder draws them.
bool onOutline(const PageObject& o, Point p, std::int16_t thickness) {
    const Span left = sideAcross(std::min(o.left, o.right), thickness);
    const Span right = sideAcross(std::max(o.left, o.right), thickness);
    const Span top = sideAcross(std::min(o.top, o.bottom), thickness);
    const Span bottom = sideAcross(std::max(o.top, o.bottom), thickness);
    const bool alongX = left.from <= p.x && p.x <= right.to;
    const bool alongY = top.from <= p.y && p.y <= bottom.to;
    return (alongX && (top.holds(p.y) || bottom.holds(p.y))) ||
           (alongY && (left.holds(p.x) || right.holds(p.x)));
}

bool hits(const PageObject& o, Point p) {
    // DrawBox draws an outline when the border's low 16 bits are not zero.
    const auto thickness = static_cast<std::int16_t>(o.border);
    if (o.kind == ObjectKind::Rectangle && thickness != 0)
        return onOutline(o, p, thickness);
    return o.left <= p.x && p.x <= o.right && o.top <= p.y && p.y <= o.bottom;
}

} // namespace

int hitTest(const ObjectList& list, Point page) {
    for (int i = list.count - 1; i >= 0; --i) {
        const PageObject& o = list[i];
        if (o.kind != ObjectKind::ScriptLine && hits(o, page))
            return i;
    }
    return -1;
}

} // namespace quillset
