#include "editor/ToolSet.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

namespace quillset {
namespace {

// The nine tool flags and rectangleMode, in the order of the class.
std::array<int, 10> flags(const ToolSet& t) {
    return {t.whiteFilled, t.blackFilled, t.whiteHollow, t.blackHollow, t.text,
            t.barcode,     t.rectangleMode, t.move,      t.resize,      t.erase};
}

TEST(ToolSet, SelectionAndPressingAgain) {
    const struct {
        const char* why;
        std::initializer_list<Tool> chosen;
        std::array<int, 10> want;
        int lastReturn;
    } cases[] = {
        {"a rectangle tool sets rectangleMode", {Tool::WhiteFilled},
         {1, 0, 0, 0, 0, 0, 1, 0, 0, 0}, 1},
        {"another tool replaces the first", {Tool::WhiteFilled, Tool::BlackHollow},
         {0, 0, 0, 1, 0, 0, 1, 0, 0, 0}, 1},
        {"the active tool again switches it off",
         {Tool::WhiteFilled, Tool::BlackHollow, Tool::BlackHollow},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"a non-rectangle tool clears rectangleMode", {Tool::BlackFilled, Tool::Move},
         {0, 0, 0, 0, 0, 0, 0, 1, 0, 0}, 0},
        {"text", {Tool::Text}, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}, 0},
        {"barcode", {Tool::Barcode}, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}, 0},
        {"resize", {Tool::Resize}, {0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, 0},
        {"erase on and off", {Tool::Erase, Tool::Erase}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"white hollow", {Tool::WhiteHollow}, {0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, 1},
    };
    for (const auto& c : cases) {
        ToolSet tools;
        int returned = -1;
        for (Tool t : c.chosen)
            returned = tools.select(t);
        EXPECT_EQ(flags(tools), c.want) << c.why;
        EXPECT_EQ(returned, c.lastReturn) << c.why;
    }
}

TEST(ToolSet, ActiveToolAndClear) {
    for (Tool t : {Tool::WhiteFilled, Tool::BlackFilled, Tool::WhiteHollow, Tool::BlackHollow,
                   Tool::Text, Tool::Barcode, Tool::Move, Tool::Resize, Tool::Erase}) {
        ToolSet tools;
        EXPECT_FALSE(tools.active().has_value());
        tools.select(t);
        EXPECT_EQ(tools.active(), t);
        EXPECT_EQ(tools.clear(), 0);
        EXPECT_EQ(flags(tools), (std::array<int, 10>{}));
    }
}

} // namespace
} // namespace quillset
