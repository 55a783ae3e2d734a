#include "picture/PictureObject.h"

#include <utility>

namespace quillset {

PageObject pictureObject(std::shared_ptr<const Picture> picture, int x, int y) {
    PageObject o;
    o.kind = ObjectKind::Picture;
    o.colour = 1;
    o.picture = std::move(picture);
    placePicture(o, x, y);
    return o;
}

void placePicture(PageObject& o, int x, int y) {
    o.x = o.left = x;
    o.y = o.top = y;
    o.right = x + o.picture->width - 1;
    o.bottom = y + o.picture->height - 1;
}

} // namespace quillset
