#pragma once

#include "editor/Point.h"
#include "editor/Rect.h"

namespace quillset {

// The origin of a text or barcode whose frame, in page dots, ends a
// placement or a move: the frame's corner that the angle fixes (0 top-left,
// 1 bottom-left, 2 bottom-right, 3 top-right, any other as 0), put on the
// grid when it is on. The origin is what the script writes back.
Point placeByAngle(const Rect& pageFrame, int angle, bool gridOn);

} // namespace quillset
