#include "editor/RectangleProperties.h"

#include "model/PageObject.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace quillset {
namespace {

PageObject rectangle(int l, int t, int r, int b, int colour, int border) {
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    o.left = l, o.top = t, o.right = r, o.bottom = b, o.colour = colour, o.border = border;
    o.x = 7, o.y = 9;
    return o;
}

TEST(RectangleProperties, Fill) {
    const struct {
        const char* why;
        PageObject object;
        RectangleFields fields;
    } cases[] = {
        {"corners become position and size",
         rectangle(10, 20, 110, 70, 1, 0),
         {10, 20, 51, 101, 0, 0, 1}},
        {"from 8 to 823 is 816 dots wide", rectangle(8, 0, 823, 0, 1, 3), {8, 0, 1, 816, 3, 1, 1}},
        {"corners in the other order",
         rectangle(110, 20, 10, 20, 1, 0),
         {110, 20, 1, -101, 0, 0, 1}},
        {"a border means hollow", rectangle(0, 0, 5, 5, 0, 4), {0, 0, 6, 6, 4, 1, 0}},
        {"a size past the int range is held at its end",
         rectangle(INT_MIN, 0, INT_MAX, 0, 1, 0),
         {INT_MIN, 0, 1, INT_MAX, 0, 0, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rectangleFieldsOf(c.object), c.fields) << c.why;
}

TEST(RectangleProperties, Apply) {
    const struct {
        const char* why;
        RectangleFields fields;
        int left, top, right, bottom, colour, border;
    } cases[] = {
        {"position and size become corners", {10, 20, 50, 100, 2, 0, 1}, 10, 20, 109, 69, 1, 0},
        {"no style chosen is filled", {0, 0, 5, 5, 6, -1, 1}, 0, 0, 4, 4, 1, 0},
        {"a size of 0 is one dot", {3, 4, 0, 0, 0, 0, 1}, 3, 4, 3, 4, 1, 0},
        {"a negative width turns over the left edge",
         {100, 20, 30, -40, 0, 0, 1},
         61,
         20,
         100,
         49,
         1,
         0},
        {"a negative height turns over the top edge",
         {10, 100, -30, 40, 0, 0, 1},
         10,
         71,
         49,
         100,
         1,
         0},
        {"a far corner past the int range is held at its end",
         {INT_MAX, 0, 0, 2, 0, 0, 1},
         INT_MAX,
         0,
         INT_MAX,
         0,
         1,
         0},
    };
    for (const auto& c : cases) {
        PageObject o = rectangle(1, 2, 3, 4, 0, 0);
        applyRectangleFields(o, c.fields);
        EXPECT_EQ((std::array{o.left, o.top, o.right, o.bottom, o.colour, o.border}),
                  (std::array{c.left, c.top, c.right, c.bottom, c.colour, c.border}))
            << c.why;
        EXPECT_EQ(o.x, 7) << c.why;
        EXPECT_EQ(o.y, 9) << c.why;
    }
}

} // namespace
} // namespace quillset
