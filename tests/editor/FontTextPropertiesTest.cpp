#include "editor/FontTextProperties.h"

#include "document/FontTextObject.h"
#include "model/FontTextStyle.h"
#include "model/PageObject.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

FontTextFields fields(std::string text, int size = 24, int width = 0) {
    FontTextFields f;
    f.text = std::move(text);
    f.size = size;
    f.width = width;
    return f;
}

std::string repeated(const char* character, int times) {
    std::string s;
    for (int i = 0; i < times; ++i)
        s += character;
    return s;
}

TEST(FontTextProperties, PointsOfDots) {
    // Whole dots give fractions of a point: no integer division on the way.
    const struct {
        int dots;
        double points;
    } cases[] = {{203, 72.0}, {24, 8.51}, {6, 2.13}};
    for (const auto& c : cases)
        EXPECT_NEAR(pointsOfDots(c.dots), c.points, 0.01) << c.dots;
}

TEST(FontTextProperties, Check) {
    const struct {
        const char* why;
        FontTextFields fields;
        bool refused;
    } cases[] = {
        {"the smallest size", fields("x", kMinFontSize), false},
        {"below the smallest size", fields("x", kMinFontSize - 1), true},
        {"the largest size", fields("x", kMaxFontSize), false},
        {"above the largest size", fields("x", kMaxFontSize + 1), true},
        {"no width to shrink into", fields("x", 24, 0), false},
        {"one dot to shrink into", fields("x", 24, 1), false},
        {"a negative width", fields("x", 24, -1), true},
        {"no text", fields(""), true},
        {"199 characters", fields(repeated("a", 199)), false},
        {"200 characters", fields(repeated("a", 200)), true},
        {"characters are counted, not bytes: 199 of two bytes", fields(repeated("\xc5\x81", 199)),
         false},
        {"a line break counts as one character",
         fields(repeated("a", 99) + "\n" + repeated("b", 100)), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkFontTextFields(c.fields).has_value(), c.refused) << c.why;
}

TEST(FontTextProperties, ApplyThenFillGivesTheFieldsBack) {
    FontTextFields styled = fields("\xc5\x81ukasz\nNguy\xe1\xbb\x85n", 40, 300);
    styled.family = "DejaVu Serif";
    styled.bold = styled.underline = true;
    styled.align = 2;
    styled.angle = 1;
    styled.colour = 0;
    styled.x = 12;
    styled.y = 34;
    FontTextFields italicOnly = fields("x");
    italicOnly.italic = true;
    const struct {
        const char* why;
        FontTextFields fields;
        int style;
    } cases[] = {
        {"the default family, plain", fields("abc"), 0},
        {"bold and underline, turned, right aligned, white", styled,
         fontstyle::kBold | fontstyle::kUnderline},
        {"italic alone", italicOnly, fontstyle::kItalic},
    };
    for (const auto& c : cases) {
        PageObject o;
        o.kind = ObjectKind::Text;
        applyFontTextFields(o, c.fields);
        EXPECT_EQ(o.kind, ObjectKind::FontText) << c.why;
        EXPECT_EQ(o.fontStyle, c.style) << c.why;
        EXPECT_EQ(fontTextFieldsOf(o), c.fields) << c.why;
    }
}

TEST(FontTextProperties, ApplyMeasuresTheBoxAtTheNewPlace) {
    PageObject o;
    applyFontTextFields(o, fields("Wide text", 24));
    const int width = o.right - o.left;
    FontTextFields bigger = fields("Wide text", 48);
    bigger.x = 100;
    bigger.y = 50;
    applyFontTextFields(o, bigger);
    EXPECT_EQ(o.left, 100);
    EXPECT_EQ(o.top, 50);
    EXPECT_GT(o.right - o.left, width + width / 2) << "twice the size is about twice as wide";
    EXPECT_EQ(o.right - o.left, fontTextLayout(o)->width);
}

} // namespace
} // namespace quillset
