#pragma once

#include "model/Limits.h"
#include "model/PageObject.h"

#include <array>
#include <memory>

namespace quillset {

// The page's objects in drawing order: object 0 lies at the bottom, the last
// one on top. Holds at most 500; a full list ignores further appends.
// Large (several hundred kilobytes): keep it on the heap.
class ObjectList {
public:
    virtual ~ObjectList() = default;

    int count = 0;
    std::array<PageObject, kMaxObjects> objects{};

    bool full() const { return count >= kMaxObjects; }

    // Returns false, changing nothing, when the list is full.
    bool append(PageObject object);
    // Empties the list; the kept lines of the old objects let go of their
    // memory.
    void clear();
    // Takes one object out; those above it move down one slot.
    void remove(int index);
    // Moves one record to another slot, the others keeping their order.
    void move(int from, int to);

    void bringToTop(int index) { move(index, count - 1); }
    void sendToBottom(int index) { move(index, 0); }
    void raiseByOne(int index) { move(index, index + 1); }
    void lowerByOne(int index) { move(index, index - 1); }

    PageObject& operator[](int index) { return objects[static_cast<std::size_t>(index)]; }
    const PageObject& operator[](int index) const {
        return objects[static_cast<std::size_t>(index)];
    }
};

} // namespace quillset
