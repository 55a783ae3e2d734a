#include "editor/PageLength.h"
#include "editor/CommonPageSizes.h"
#include "editor/PageSetupCheck.h"
#include "model/PageSettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillset {
namespace {

constexpr LengthUnit in = LengthUnit::Inches;
constexpr LengthUnit mm = LengthUnit::Millimetres;
constexpr LengthUnit dots = LengthUnit::Dots;

// Worked by hand at 203 dots per inch (8 dots per millimetre would give
// 800 for 100 mm).
TEST(PageLength, TypedLengthsBecomeTheNearestDot) {
    const std::optional<int> none;
    const struct {
        const char* text;
        LengthUnit unit;
        std::optional<int> dots;
    } cases[] = {
        {"6", in, 1218},                         // 6 x 203
        {" 6.00 ", in, 1218},                    // as shown, spaces about it
        {"0.5", in, 102},                        // 101.5: halves round up
        {"100", mm, 799},                        // 100 / 25.4 x 203 = 799.21
        {"150", mm, 1199},                       // 1198.82
        {"58", mm, 464},                         // 463.54
        {"25.4", mm, 203},                       // one inch exactly, despite the float
        {"-1", mm, -8},                          // -7.99: the check refuses it, not the reading
        {"+2", in, 406},      {"6,5", in, none}, // a comma is not our decimal point
        {"1e3", mm, none},    {"", mm, none},          {"1218", dots, 1218},
        {"-8", dots, -8},     {"12.5", dots, none},    // dots are whole
        {"x", dots, none},    {"999999999", in, none}, // would overflow the dots
    };
    for (const auto& c : cases)
        EXPECT_EQ(dotsFromText(c.text, c.unit), c.dots) << c.text << " " << unitName(c.unit);
}

TEST(PageLength, DotsShownInTheUnit) {
    const struct {
        int dots;
        LengthUnit unit;
        const char* text;
    } cases[] = {
        {1218, in, "6.00"}, {1219, in, "6.00"}, // 6.005 shown short; the dialog keeps the dot
        {100, in, "0.49"},  {1218, mm, "152.4"}, {799, mm, "100.0"}, // 99.97
        {0, mm, "0.0"},     {-8, mm, "-1.0"},    {1218, dots, "1218"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lengthText(c.dots, c.unit), c.text) << c.dots << " " << unitName(c.unit);
    // A millimetre shown with one decimal reads back as the same dot, every dot.
    for (int d = -20; d <= 1248; ++d)
        ASSERT_EQ(dotsFromText(lengthText(d, mm), mm), d) << d;
}

TEST(PageLength, UnitsAreKeptByName) {
    for (const LengthUnit unit : {in, mm, dots})
        EXPECT_EQ(unitNamed(unitName(unit)), unit);
    EXPECT_EQ(unitNamed("furlongs"), dots);
}

TEST(CommonPageSizes, EachSizeFillsItsPrinterType) {
    const struct {
        const char* label;
        int width;
        int height; // 0: continuous
    } expected[] = {
        {"2 \xC3\x97 1 in", 384, 203},     {"3 \xC3\x97 2 in", 576, 406},
        {"4 \xC3\x97 2 in", 832, 406},     {"4 \xC3\x97 3 in", 832, 609},
        {"4 \xC3\x97 6 in", 832, 1218},    {"100 \xC3\x97 150 mm", 832, 1199},
        {"100 \xC3\x97 100 mm", 832, 799}, {"58 mm receipt", 384, 0},
        {"80 mm receipt", 576, 0},
    };
    const auto sizes = commonPageSizes();
    ASSERT_EQ(sizes.size(), std::size(expected));
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(std::string(sizes[i].label), expected[i].label);
        EXPECT_EQ(paperWidthForPrinter(sizes[i].setupPrinter), expected[i].width)
            << expected[i].label;
        EXPECT_EQ(sizes[i].height, expected[i].height) << expected[i].label;
        // Every label fits the raster, or choosing it would be refused.
        EXPECT_LE(sizes[i].height, 1248) << expected[i].label;
    }
}

TEST(CommonPageSizes, APageIsRecognisedOnlyAsALabel) {
    EXPECT_EQ(commonSizeOf(832, 1218), 4);
    EXPECT_EQ(commonSizeOf(576, 406), 1);
    EXPECT_EQ(commonSizeOf(832, 1219), kCustomSize);
    EXPECT_EQ(commonSizeOf(800, 1218), kCustomSize); // a 4 x 6 in label fills 832 dots
    EXPECT_EQ(commonSizeOf(384, 1248), kCustomSize); // not "58 mm receipt"
}

TEST(CommonPageSizes, HeightAfterAnotherPrinterType) {
    const std::string none;
    const std::string twoByOne =
        "The height is the 2 \xC3\x97 1 in label's: check it for this width.";
    const struct {
        const char* why;
        int size, height, printer;
        SizeAfterPrinterSwitch after;
    } cases[] = {
        {"3 x 2 in on 4 inch is 4 x 2 in", 1, 406, 2, {2, 406, none}},
        {"4 x 2 in on 3 inch is 3 x 2 in", 2, 406, 1, {1, 406, none}},
        {"the same type keeps the label", 4, 1218, 2, {4, 1218, none}},
        {"2 x 1 in has no 4 inch twin: kept, said", 0, 203, 2, {kCustomSize, 203, twoByOne}},
        {"a receipt follows the width, its length kept", 7, 700, 1, {8, 700, none}},
        {"no 4 inch receipt: custom, nothing to check", 8, 700, 2, {kCustomSize, 700, none}},
        {"a custom page keeps its height", kCustomSize, 500, 0, {kCustomSize, 500, none}},
    };
    for (const auto& c : cases) {
        const SizeAfterPrinterSwitch after = sizeForPrinterSwitch(c.size, c.height, c.printer);
        EXPECT_EQ(after.size, c.after.size) << c.why;
        EXPECT_EQ(after.height, c.after.height) << c.why;
        EXPECT_EQ(after.heightNote, c.after.heightNote) << c.why;
    }
}

TEST(PageSetupCheck, ThePageNamesItsOwnPrinterType) {
    const struct {
        int left, width, type;
    } cases[] = {
        {0, 320, 2}, {0, 384, 2}, {8, 384, 3}, // the margin is paper too
        {0, 576, 3}, {0, 592, 4}, {0, 832, 4},
    };
    for (const auto& c : cases) {
        PageSettings page;
        page.leftMargin = static_cast<std::int16_t>(c.left);
        page.pageWidth = static_cast<std::int16_t>(c.width);
        EXPECT_EQ(printerTypeOfPage(page), c.type) << c.left << " + " << c.width;
    }
}

} // namespace
} // namespace quillset
