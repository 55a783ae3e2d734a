#include "editor/Rect.h"

#include <algorithm>

namespace quillset {

Rect normalised(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace quillset
