#include "editor/ToolSet.h"

namespace quillset {

bool isRectangleTool(Tool tool) {
    return tool == Tool::WhiteFilled || tool == Tool::BlackFilled ||
           tool == Tool::WhiteHollow || tool == Tool::BlackHollow;
}

namespace {

// The flag of `tool`, from a ToolSet or a const one.
template <typename Set>
auto& flagOf(Set& set, Tool tool) {
    switch (tool) {
    case Tool::WhiteFilled:
        return set.whiteFilled;
    case Tool::BlackFilled:
        return set.blackFilled;
    case Tool::WhiteHollow:
        return set.whiteHollow;
    case Tool::BlackHollow:
        return set.blackHollow;
    case Tool::Text:
        return set.text;
    case Tool::Barcode:
        return set.barcode;
    case Tool::Move:
        return set.move;
    case Tool::Resize:
        return set.resize;
    case Tool::Symbol:
        return set.symbol;
    case Tool::Picture:
        return set.picture;
    case Tool::Erase:
        break;
    }
    return set.erase;
}

} // namespace

int ToolSet::clear() {
    whiteFilled = blackFilled = whiteHollow = blackHollow = 0;
    text = barcode = rectangleMode = move = resize = erase = symbol = 0;
    picture = 0;
    return 0;
}

int ToolSet::select(Tool tool) {
    if (isOn(tool))
        return clear();
    clear();
    flagOf(*this, tool) = 1;
    rectangleMode = isRectangleTool(tool) ? 1 : 0;
    return rectangleMode;
}

bool ToolSet::isOn(Tool tool) const {
    return flagOf(*this, tool) != 0;
}

std::optional<Tool> ToolSet::active() const {
    if (rectangleMode != 0) {
        for (Tool t : {Tool::WhiteFilled, Tool::BlackFilled, Tool::WhiteHollow, Tool::BlackHollow})
            if (isOn(t))
                return t;
    }
    for (Tool t : {Tool::Move, Tool::Resize, Tool::Text, Tool::Barcode, Tool::Erase, Tool::Symbol,
                   Tool::Picture})
        if (isOn(t))
            return t;
    return std::nullopt;
}

} // namespace quillset
