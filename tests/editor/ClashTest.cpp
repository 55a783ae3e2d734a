#include "editor/Clash.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "symbol/Symbology.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quillset {
namespace {

// An object of `kind` over the box from (left, top) to (right, bottom);
// `type` is a barcode's type or a symbol's symbology.
struct Placed {
    ObjectKind kind;
    int type;
    int left, top, right, bottom;
};

PageObject objectOf(const Placed& p) {
    PageObject o;
    o.kind = p.kind;
    o.barcodeType = p.type;
    o.symbology = p.type;
    o.left = p.left, o.top = p.top, o.right = p.right, o.bottom = p.bottom;
    return o;
}

constexpr Placed qr(int left, int top) {
    return {ObjectKind::Symbol, symbology::kQrCode, left, top, left + 83, top + 83};
}
constexpr Placed dataMatrix(int left, int top) {
    return {ObjectKind::Symbol, symbology::kDataMatrix, left, top, left + 39, top + 39};
}

TEST(Clash, SaysOverlapsAndSidesLeft) {
    const struct {
        const char* why;
        std::vector<Placed> page; // the last one is the object just edited
        const char* note;         // empty: nothing to say
    } cases[] = {
        {"clear of the other and inside the page", {qr(0, 0), dataMatrix(100, 0)}, ""},
        {"boxes that share a dot overlap", {qr(0, 0), dataMatrix(83, 83)},
         "The Data Matrix overlaps the QR Code"},
        {"the topmost of two overlapped is named",
         {qr(0, 0), {ObjectKind::Barcode, 2, 0, 50, 200, 90}, dataMatrix(40, 40)},
         "The Data Matrix overlaps the Code 128"},
        {"a rectangle under it is a fill, not a clash",
         {{ObjectKind::Rectangle, 0, 0, 0, 383, 199}, dataMatrix(10, 10)}, ""},
        {"a rectangle over others is not said to overlap them",
         {qr(0, 0), {ObjectKind::Rectangle, 0, 0, 0, 383, 199}}, ""},
        {"script lines have no box on the page",
         {{ObjectKind::ScriptLine, 0, 0, 0, 383, 199}, dataMatrix(10, 10)}, ""},
        {"the last dot across is the page's last", {dataMatrix(344, 0)}, ""},
        {"one dot beyond it leaves at the right", {dataMatrix(345, 0)},
         "The Data Matrix leaves the page at the right"},
        {"turned about its corner, above and left of the page",
         {{ObjectKind::Symbol, symbology::kQrCode, -83, -83, 0, 0}},
         "The QR Code leaves the page at the top and the left"},
        {"three sides at once", {{ObjectKind::Picture, 0, -1, 10, 400, 400}},
         "The picture leaves the page at the left, the right and the bottom"},
        {"overlap and a side together",
         {qr(300, 0), {ObjectKind::Barcode, 1, 250, 10, 420, 60}},
         "The Code 39 overlaps the QR Code and leaves the page at the right"},
        {"a text is named by its kind",
         {qr(0, 0), {ObjectKind::Text, 0, 10, 10, 60, 30}}, "The text overlaps the QR Code"},
    };
    PageSettings page;
    page.pageWidth = 384;
    page.pageHeight = 200;
    for (const auto& c : cases) {
        auto list = std::make_unique<ObjectList>();
        for (const Placed& p : c.page)
            list->append(objectOf(p));
        const std::optional<std::string> note = clashNote(*list, list->count - 1, page);
        EXPECT_EQ(note.value_or(""), c.note) << c.why;
    }
}

} // namespace
} // namespace quillset
