#include "editor/PictureFolds.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(PictureFolds, DotLinesFoldUnderTheirStatement) {
    const std::string_view statement = "DrawPicture(0,0,8,2,0,128,\"logo.png\");";
    const struct {
        const char* why;
        std::vector<std::string_view> lines;
        std::vector<PictureFold> folds;
    } cases[] = {
        {"a statement and its dots", {statement, ":eJz7/x8AAwAB", ":AAAA"}, {{0, 2}}},
        {"the dots end at the first other line",
         {"DrawRectangle(0,0,1,1,1,0);", statement, ":eJz7", "EndPage();", ":AAAA"},
         {{1, 1}}},
        {"two pictures", {statement, ":AAAA", statement, ":AAAA", ":AAAA"}, {{0, 1}, {2, 2}}},
        {"a statement without dots folds nothing", {statement, "DrawText(0,0,1,0,\"a\");"}, {}},
        {"any case, after blanks", {"  drawpicture (1,2,3,4,0,128,\"\")", ":AAAA"}, {{0, 1}}},
        {"a comment naming it is no statement", {"// DrawPicture(", ":AAAA"}, {}},
        {"a damaged line ends the dots", {statement, ":AAAA", ":AA!A"}, {{0, 1}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFolds(c.lines), c.folds) << c.why;
}

} // namespace
} // namespace quillset
