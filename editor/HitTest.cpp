#include "editor/HitTest.h"

#include "model/ObjectList.h"

namespace quillset {

int hitTest(const ObjectList& list, Point page) {
    for (int i = list.count - 1; i >= 0; --i) {
        const PageObject& o = list[i];
        if (o.kind == ObjectKind::ScriptLine)
            continue;
        if (o.left <= page.x && page.x <= o.right && o.top <= page.y && page.y <= o.bottom)
            return i;
    }
    return -1;
}

} // namespace quillset
