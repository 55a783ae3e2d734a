#include "editor/ResizeGrip.h"

#include <cstdlib>

namespace quillset {

namespace {

struct AxisGrip {
    int anchor, low, high;
};

AxisGrip gripAxis(int low, int high, int press) {
    if (std::abs(press - high) >= std::abs(press - low))
        return {high, press, high};
    return {low, low, press};
}

} // namespace

ResizeGrip gripForResize(const Rect& bounds, Point press) {
    const AxisGrip x = gripAxis(bounds.left, bounds.right, press.x);
    const AxisGrip y = gripAxis(bounds.top, bounds.bottom, press.y);
    return {{x.anchor, y.anchor}, {x.low, y.low, x.high, y.high}};
}

} // namespace quillset
