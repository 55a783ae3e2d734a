#pragma once

#include <string_view>

namespace quillset {

class ObjectList;

// The context menu's commands on an object's place in the drawing order.
enum class ZOrderCommand {
    BringToTop,
    RaiseByOne,
    LowerByOne,
    SendToBottom,
};

// Moves record `index` as the command says, the others keeping their
// order. Returns the refusal text when the record is already where the
// command would take it past, and an empty view when the list changed.
// `index` must name a record of the list.
std::string_view applyZOrder(ObjectList& list, int index, ZOrderCommand command);

} // namespace quillset
