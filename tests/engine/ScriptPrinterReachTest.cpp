#include "document/ScriptPrinterReach.h"

#include "model/ObjectList.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillset {
namespace {

PageObject ofKind(ObjectKind kind, int symbology = 0) {
    PageObject o;
    o.kind = kind;
    o.symbology = symbology;
    return o;
}

TEST(ScriptPrinterReach, TheFirstObjectItCannotDrawIsNamed) {
    const struct {
        const char* why;
        std::vector<PageObject> objects;
        std::optional<std::string> refusal;
    } cases[] = {
        {"texts, rectangles, barcodes and kept lines it draws",
         {ofKind(ObjectKind::Text), ofKind(ObjectKind::Rectangle), ofKind(ObjectKind::Barcode),
          ofKind(ObjectKind::ScriptLine)},
         std::nullopt},
        {"an empty page", {}, std::nullopt},
        {"the first symbol names its symbology",
         {ofKind(ObjectKind::Text), ofKind(ObjectKind::Symbol, 2), ofKind(ObjectKind::Symbol, 1)},
         "The script printer cannot draw Data Matrix; choose ESC/POS or ZPL in Configure > "
         "Printer"},
        {"a symbol of no symbology is still a symbol", {ofKind(ObjectKind::Symbol, 9)},
         "The script printer cannot draw a symbol; choose ESC/POS or ZPL in Configure > Printer"},
        {"a picture", {ofKind(ObjectKind::Rectangle), ofKind(ObjectKind::Picture)},
         "The script printer cannot draw a picture; choose ESC/POS or ZPL in Configure > "
         "Printer"},
    };
    for (const auto& c : cases) {
        auto list = std::make_unique<ObjectList>();
        for (const PageObject& o : c.objects)
            list->append(o);
        EXPECT_EQ(scriptPrinterRefusal(*list), c.refusal) << c.why;
    }
}

} // namespace
} // namespace quillset
