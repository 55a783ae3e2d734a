#include "editor/ViewMapping.h"

#include "editor/Snap.h"
#include "model/PageSettings.h"

namespace quillset {

ViewMapping ViewMapping::of(Point scroll, const PageSettings& settings) {
    return {scroll, {settings.leftMargin, settings.topMargin}};
}

Point ViewMapping::snapped(Point client) const {
    const Point offset = scroll - margins;
    return {snap(client.x, offset.x), snap(client.y, offset.y)};
}

} // namespace quillset
