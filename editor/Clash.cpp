#include "editor/Clash.h"

#include "barcode/BarcodeType.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "symbol/Symbology.h"

#include <algorithm>
#include <vector>

namespace quillset {

namespace {

// The barcode types' names as the Barcode dialog gives them, by type.
constexpr const char* kBarcodeNames[] = {"Code 39", "Code 128", "Interleaved 2 of 5", "UPC/EAN",
                                         "Codabar"};

// Objects that can stand in another's way.
bool clashes(const PageObject& o) {
    return o.kind != ObjectKind::None && o.kind != ObjectKind::ScriptLine &&
           o.kind != ObjectKind::Rectangle;
}

bool overlap(const PageObject& a, const PageObject& b) {
    return std::min(a.left, a.right) <= std::max(b.left, b.right) &&
           std::min(b.left, b.right) <= std::max(a.left, a.right) &&
           std::min(a.top, a.bottom) <= std::max(b.top, b.bottom) &&
           std::min(b.top, b.bottom) <= std::max(a.top, a.bottom);
}

// The page's sides the object's box crosses, in reading order.
std::vector<const char*> sidesLeft(const PageObject& o, const PageSettings& page) {
    std::vector<const char*> sides;
    if (std::min(o.top, o.bottom) < 0)
        sides.push_back("top");
    if (std::min(o.left, o.right) < 0)
        sides.push_back("left");
    if (std::max(o.left, o.right) >= page.pageWidth)
        sides.push_back("right");
    if (std::max(o.top, o.bottom) >= page.pageHeight)
        sides.push_back("bottom");
    return sides;
}

} // namespace

std::string objectName(const PageObject& o) {
    switch (o.kind) {
    case ObjectKind::Barcode:
        if (o.barcodeType >= barcode_type::kCode39 && o.barcodeType <= barcode_type::kCodabar)
            return kBarcodeNames[o.barcodeType - barcode_type::kCode39];
        return "barcode";
    case ObjectKind::Symbol:
        if (const SymbologyInfo* info = symbologyInfo(o.symbology))
            return std::string(info->name);
        return "symbol";
    case ObjectKind::Picture:
        return "picture";
    case ObjectKind::Rectangle:
        return "rectangle";
    default:
        return "text";
    }
}

std::optional<std::string> clashNote(const ObjectList& list, int index, const PageSettings& page) {
    if (index < 0 || index >= list.count)
        return std::nullopt;
    const PageObject& placed = list[index];
    std::string note;
    if (clashes(placed)) {
        for (int i = list.count - 1; i >= 0; --i) {
            if (i != index && clashes(list[i]) && overlap(placed, list[i])) {
                note = " overlaps the " + objectName(list[i]);
                break;
            }
        }
    }
    const std::vector<const char*> sides = sidesLeft(placed, page);
    for (std::size_t i = 0; i < sides.size(); ++i) {
        if (i == 0)
            note += note.empty() ? " leaves the page at the " : " and leaves the page at the ";
        else
            note += i + 1 == sides.size() ? " and the " : ", the ";
        note += sides[i];
    }
    if (note.empty())
        return std::nullopt;
    return "The " + objectName(placed) + note;
}

} // namespace quillset
