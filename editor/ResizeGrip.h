#pragma once

#include "editor/Point.h"
#include "editor/Rect.h"

namespace quillset {

// How a resize starts: the corner that stays (`anchor`) and the first frame.
struct ResizeGrip {
    Point anchor;
    Rect frame;
};

// Each axis on its own: the edge nearer the press follows the pointer and
// the opposite edge stays, the left or top edge following when the press is
// exactly halfway. `bounds` and `press` in the same coordinates.
ResizeGrip gripForResize(const Rect& bounds, Point press);

} // namespace quillset
