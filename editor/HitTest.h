#pragma once

#include "editor/Point.h"

namespace quillset {

class ObjectList;

// The index of the topmost object whose box holds `page` (edges included),
// or -1. Script lines are never hit, whatever their bounds hold.
int hitTest(const ObjectList& list, Point page);

} // namespace quillset
