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

} // namespace

RectangleFields rectangleFieldsOf(const PageObject& r) {
    RectangleFields f;
    f.rectX = r.left;
    f.rectY = r.top;
    f.rectWidth = saturated(std::int64_t{r.right} - r.left);
    f.rectHeight = saturated(std::int64_t{r.bottom} - r.top);
    f.rectColour = r.colour;
    f.rectStyle = r.border != 0 ? kHollowStyle : kFilledStyle;
    f.borderSize = r.border;
    return f;
}

void applyRectangleFields(PageObject& r, const RectangleFields& f) {
    const int right = saturated(std::int64_t{f.rectX} + f.rectWidth);
    const int bottom = saturated(std::int64_t{f.rectY} + f.rectHeight);
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
