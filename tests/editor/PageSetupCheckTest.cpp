#include "editor/PageSetupCheck.h"

#include "model/PageSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

// Left, width, height, top, printer button.
PageSetupFields setup(int left, int width, int height, int top, int printer) {
    return {left, width, height, top, printer};
}

TEST(PageSetupCheck, Limits) {
    const std::string ok;
    const struct {
        const char* why;
        PageSetupFields fields;
        std::string refusal;
    } cases[] = {
        {"a left margin of 13 rounds to 8", setup(13, 368, 1248, 0, 0), ok},
        {"-7 rounds to 0", setup(-7, 384, 1248, 0, 0), ok},
        {"-8 stays below 0", setup(-8, 384, 1248, 0, 0), "Left margin is out of range."},
        {"839 rounds to 832", setup(839, 0, 1248, 0, 2), ok},
        {"840 is past the raster", setup(840, 0, 1248, 0, 2), "Left margin is out of range."},
        {"top margin 832", setup(0, 384, 1248, 832, 0), ok},
        {"top margin 833", setup(0, 384, 1248, 833, 0), "Top margin is out of range."},
        {"top margin -1", setup(0, 384, 1248, -1, 0), "Top margin is out of range."},
        {"width 390 rounds to 384", setup(0, 390, 1248, 0, 0), ok},
        {"width 400 on 2-inch paper", setup(0, 400, 1248, 0, 0), "Width is out of range."},
        {"width 0", setup(0, 0, 1248, 0, 0), ok},
        {"width -15 rounds to 0", setup(0, -15, 1248, 0, 0), ok},
        {"width -16", setup(0, -16, 1248, 0, 0), "Width is out of range."},
        {"the full 4-inch width", setup(0, 832, 1248, 0, 2), ok},
        {"no printer type is judged as 3-inch paper", setup(0, 576, 1248, 0, -1), ok},
        {"margin and width past the paper", setup(8, 384, 1248, 0, 0),
         "Left margin plus page width exceeds paper width."},
        {"margin and width as rounded", setup(15, 383, 1248, 0, 0), ok},
        {"height 1248", setup(0, 384, 1248, 0, 0), ok},
        {"height 1", setup(0, 384, 1, 0, 0), ok},
        {"height 0", setup(0, 384, 0, 0, 0), "Height is out of range."},
        {"height 1249", setup(0, 384, 1249, 0, 0), "Height is out of range."},
        {"several wrong values: the left margin first", setup(-8, 400, 0, 900, 0),
         "Left margin is out of range."},
        {"then the top margin", setup(0, 400, 0, 900, 0), "Top margin is out of range."},
        {"then the width", setup(0, 400, 0, 0, 0), "Width is out of range."},
        {"then the sum", setup(8, 384, 0, 0, 0),
         "Left margin plus page width exceeds paper width."},
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

} // namespace
} // namespace quillset
