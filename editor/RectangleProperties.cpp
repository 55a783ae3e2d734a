#include "editor/RectangleProperties.h"

#include "model/PageObject.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillset {

namespace {

// The dialog takes any integers, so sums and differences may not fit.
int saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The dots from one edge to the other, both included; negative when the
// far edge lies before the near one.
int dotsCovered(int near, int far) {
    const std::int64_t d = std::int64_t{far} - near;
    return saturated(d >= 0 ? d + 1 : d - 1);
}

// The far edge of `dots` dots from `near`; 0 dots is the one dot at `near`.
int farEdge(int near, int dots) {
    const int step = dots > 0 ? -1 : dots < 0 ? 1 : 0;
    return saturated(std::int64_t{near} + dots + step);
}

} // namespace

RectangleFields rectangleFieldsOf(const PageObject& r) {
    RectangleFields f;
    f.rectX = r.left;
    f.rectY = r.top;
    f.rectWidth = dotsCovered(r.left, r.right);
    f.rectHeight = dotsCovered(r.top, r.bottom);
    f.rectColour = r.colour;
    f.rectStyle = r.border != 0 ? kHollowStyle : kFilledStyle;
    f.borderSize = r.border;
    return f;
}

void applyRectangleFields(PageObject& r, const RectangleFields& f) {
    const int right = farEdge(f.rectX, f.rectWidth);
    const int bottom = farEdge(f.rectY, f.rectHeight);
    r.left = std::min(f.rectX, right);
    r.right = std::max(f.rectX, right);
    r.top = std::min(f.rectY, bottom);
    r.bottom = std::max(f.rectY, bottom);
    r.colour = f.rectColour;
    if (f.rectStyle == kHollowStyle)
        r.border = f.borderSize != 0 ? f.borderSize : kDefaultHollowBorder;
    else
        r.border = 0;
}

} // namespace quillset
