#include "editor/ZOrder.h"

#include "editor/EditorMessages.h"
#include "model/ObjectList.h"

namespace quillset {

std::string_view applyZOrder(ObjectList& list, int index, ZOrderCommand command) {
    const bool upward =
        command == ZOrderCommand::BringToTop || command == ZOrderCommand::RaiseByOne;
    if (upward && index == list.count - 1)
        return editor_message::kAlreadyTopMost;
    if (!upward && index == 0)
        return editor_message::kAlreadyBottomMost;
    switch (command) {
    case ZOrderCommand::BringToTop:
        list.bringToTop(index);
        break;
    case ZOrderCommand::RaiseByOne:
        list.raiseByOne(index);
        break;
    case ZOrderCommand::LowerByOne:
        list.lowerByOne(index);
        break;
    case ZOrderCommand::SendToBottom:
        list.sendToBottom(index);
        break;
    }
    return {};
}

} // namespace quillset
