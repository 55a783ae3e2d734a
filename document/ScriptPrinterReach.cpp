#include "document/ScriptPrinterReach.h"

#include "model/ObjectList.h"
#include "symbol/Symbology.h"

namespace quillset {

namespace {

// What the object is called when the script printer lacks it, or nothing
// when the script printer draws it.
std::optional<std::string> unreached(const PageObject& o) {
    switch (o.kind) {
    case ObjectKind::Symbol: {
        const SymbologyInfo* info = symbologyInfo(o.symbology);
        return info ? std::string(info->name) : std::string("a symbol");
    }
    case ObjectKind::Picture:
        return std::string("a picture");
    case ObjectKind::FontText:
        return std::string("a text in an installed font");
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> scriptPrinterRefusal(const ObjectList& list) {
    for (int i = 0; i < list.count; ++i) {
        if (const auto name = unreached(list[i])) {
            std::string reason = "The script printer cannot draw ";
            reason += *name;
            reason += "; choose ESC/POS or ZPL in Configure > Printer";
            return reason;
        }
    }
    return std::nullopt;
}

} // namespace quillset
