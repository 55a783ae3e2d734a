#include "editor/PlaceByAngle.h"

#include "editor/Snap.h"

namespace quillset {

Point placeByAngle(const Rect& pageFrame, int angle, bool gridOn) {
    Point origin;
    switch (angle) {
    case 1:
        origin = {pageFrame.left, pageFrame.bottom};
        break;
    case 2:
        origin = {pageFrame.right, pageFrame.bottom};
        break;
    case 3:
        origin = {pageFrame.right, pageFrame.top};
        break;
    default:
        origin = pageFrame.topLeft();
        break;
    }
    if (gridOn)
        origin = {snap(origin.x, 0), snap(origin.y, 0)};
    return origin;
}

} // namespace quillset
