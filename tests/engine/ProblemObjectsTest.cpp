#include "merge/ProblemObjects.h"
#include "document/FolioSession.h"
#include "model/Limits.h"
#include "picture/PictureText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace quillset {

namespace {

MergeProblem onLines(std::vector<int> lines) {
    return {4, "record 4 (orders.csv line 6)", "${name} holds 'x'", std::move(lines)};
}

// A picture whose dots take several lines after its statement.
std::string pictureLines() {
    std::vector<std::uint8_t> rows(25 * 40);
    std::uint32_t state = 12345;
    for (std::uint8_t& row : rows) {
        state = state * 1103515245u + 12345u;
        row = static_cast<std::uint8_t>(state >> 16);
    }
    return "DrawPicture(0,0,200,40,0,128,\"\");\n" + pictureBody(rows);
}

TEST(ProblemObjects, LinesBecomeTheObjectsMadeOfThem) {
    const std::string text = "DrawText(10,10,0,\"${name}\");\n";
    const std::string box = "DrawRectangle(0,0,50,50,1,1);\n";
    std::string longScript;
    for (int i = 0; i < kMaxObjects + 2; ++i)
        longScript += text;
    const std::string picture = pictureLines();
    const int dotLines = static_cast<int>(std::count(picture.begin(), picture.end(), '\n')) - 1;
    ASSERT_GT(dotLines, 1);
    const struct {
        const char* why;
        std::string script;
        std::vector<MergeProblem> problems;
        std::vector<int> objects;
    } cases[] = {
        {"each line is an object", box + "// note\n" + text, {onLines({3})}, {2}},
        {"a line told by two problems, and out of order, is one object",
         text + box + text,
         {onLines({3}), onLines({1, 3})},
         {0, 2}},
        {"the record's row is no object", text, {onLines({})}, {}},
        {"a picture's dots take lines but make one object",
         picture + text,
         {onLines({dotLines + 2})},
         {1}},
        {"a problem on a picture's dots is the picture's", picture + text, {onLines({3})}, {0}},
        {"the last object's line", longScript, {onLines({kMaxObjects})}, {kMaxObjects - 1}},
        {"lines past the last object are kept, not drawn",
         longScript,
         {onLines({kMaxObjects + 1})},
         {}},
    };
    for (const auto& c : cases) {
        FolioSession document;
        document.compile(c.script);
        EXPECT_EQ(problemObjects(c.problems, document.script(), document.objects()), c.objects)
            << c.why;
    }
}

} // namespace

} // namespace quillset
