#pragma once

#include "editor/Point.h"

namespace quillset {

class ObjectList;

// The index of the topmost object under `page`, or -1. A hollow rectangle is
// under the point when the point is on its outline (the border as drawn and
// 2 dots either side), not in its empty inside; every other object when its
// box holds the point (edges included). Script lines are never hit, whatever
// their bounds hold.
int hitTest(const ObjectList& list, Point page);

} // namespace quillset
