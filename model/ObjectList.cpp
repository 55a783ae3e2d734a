#include "model/ObjectList.h"

#include <algorithm>
#include <string>
#include <utility>

namespace quillset {

bool ObjectList::append(PageObject object) {
    if (full())
        return false;
    objects[static_cast<std::size_t>(count++)] = std::move(object);
    return true;
}

void ObjectList::clear() {
    for (int i = 0; i < count; ++i)
        std::string().swap((*this)[i].rawLine);
    count = 0;
}

void ObjectList::remove(int index) {
    if (index < 0 || index >= count)
        return;
    std::move(objects.begin() + index + 1, objects.begin() + count, objects.begin() + index);
    --count;
}

void ObjectList::move(int from, int to) {
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const auto first = objects.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace quillset
