#include "editor/PageSetupCheck.h"

#include "editor/Rect.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

// Left, width, height, top, printer button.
PageSetupFields setup(int left, int width, int height, int top, int printer) {
    return {left, width, height, top, printer};
}

// Every boundary of the dialog is driven through it (CPageSetupDlgTest); here
// only what the dialog cannot reach or round.
TEST(PageSetupCheck, Rounding) {
    const std::string ok;
    const struct {
        const char* why;
        PageSetupFields fields;
        std::string refusal;
    } cases[] = {
        {"839 rounds to 832", setup(839, 0, 1248, 0, 2), ok},
        {"840 is past the raster", setup(840, 0, 1248, 0, 2), "Left margin is out of range."},
        {"width -15 rounds to 0", setup(0, -15, 1248, 0, 0), ok},
        {"width -16", setup(0, -16, 1248, 0, 0), "Width is out of range."},
        {"no printer type is judged as 3-inch paper", setup(0, 576, 1248, 0, -1), ok},
        {"margin and width as rounded", setup(15, 383, 1248, 0, 0), ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(checkPageSetup(c.fields).value_or("")), c.refusal) << c.why;
}

TEST(PageSetupCheck, PrinterButtons) {
    EXPECT_EQ(pageSetupDefaults(0), setup(0, 384, 1248, 0, 0));
    EXPECT_EQ(pageSetupDefaults(1), setup(0, 576, 1248, 0, 1));
    EXPECT_EQ(pageSetupDefaults(2), setup(0, 832, 1248, 0, 2));
    EXPECT_EQ(paperWidthForPrinter(3), 576);
}

TEST(PageSetupCheck, FillAndApply) {
    PageSettings settings;
    settings.leftMargin = 16, settings.topMargin = 5, settings.pageWidth = 320,
    settings.pageHeight = 600;
    EXPECT_EQ(pageSetupFieldsOf(settings, 3), setup(16, 320, 600, 5, 1));

    EXPECT_EQ(applyPageSetupFields(settings, setup(13, 390, 1000, 7, 0)), 2);
    EXPECT_EQ(settings.leftMargin, 8);
    EXPECT_EQ(settings.leftMarginBytes, 1);
    EXPECT_EQ(settings.pageWidth, 368 + 16);
    EXPECT_EQ(settings.rowBytes, 48);
    EXPECT_EQ(settings.topMargin, 7);
    EXPECT_EQ(settings.pageHeight, 1000);
    EXPECT_EQ(applyPageSetupFields(settings, setup(0, 832, 1248, 0, 2)), 4);
}

TEST(PageSetupCheck, ObjectsOutsideTheNewPageAreCounted) {
    ObjectList list;
    PageSettings page;
    page.pageWidth = 384, page.pageHeight = 200;
    for (const Rect& box : {Rect{0, 0, 383, 199}, Rect{380, 10, 390, 20}, Rect{10, -5, 50, 20}}) {
        PageObject o;
        o.kind = ObjectKind::Text, o.left = box.left, o.top = box.top;
        o.right = box.right, o.bottom = box.bottom;
        list.append(o);
    }
    EXPECT_EQ(objectsOutsidePageNote(list, page).value_or(""),
              "2 objects lie outside the new page, wholly or in part: they are cut off at the "
              "page's edges.");
}

} // namespace
} // namespace quillset
