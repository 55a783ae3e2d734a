#include "document/ScriptCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {

// For the failure messages.
void PrintTo(const CheckFinding& f, std::ostream* os) {
    *os << f.line << ':' << f.column << ": " << f.reason;
}

namespace {

std::string lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

const std::string kPast = "past the 500th line, not drawn";

// The file checker's own cases are the command line's `check` tests; these
// are the pane's differences from a file and what both share underneath.
TEST(ScriptCheck, PaneTextIsReadAsCompileReadsIt) {
    const struct {
        const char* why;
        std::string text;
        std::vector<CheckFinding> findings;
    } cases[] = {
        {"CR LF, lone CR and lone LF each break once",
         "A\r\nB\rC\nDrawTxt(1)",
         {{4, 1, "unknown statement"}}},
        {"LF then CR is two breaks with an empty line between",
         "A\n\rDrawTxt(1)",
         {{3, 1, "unknown statement"}}},
        {"columns count characters, not UTF-8 bytes",
         "DrawText(0,0,1,0,\"\xc3\xa9<Q>\")",
         {{1, 21, "unknown tag"}}},
        {"a page statement is a script line in the pane",
         lines(500, "SetMargin(1,1)") + "x",
         {{501, 1, kPast}}},
        {"the lines past the 500th are one finding, unread ones among them",
         lines(500, "x") + lines(100, "DrawTxt(1)"),
         {{501, 1, kPast}}},
        {"a break at the very end adds no line", lines(500, "x"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkPaneScript(c.text), c.findings) << c.why;
}

// A line of one endless word once cost a table of its length times a
// keyword's to judge.
TEST(ScriptCheck, AnEndlessWordIsJudgedByItsStart) {
    const std::string word(10'000'000, 'A');
    EXPECT_EQ(checkScript(word), std::vector<CheckFinding>{});
    EXPECT_EQ(checkPaneScript("DrawText" + word),
              (std::vector<CheckFinding>{{1, 51, "keyword too long"}}))
        << "still a drawing statement by its first letters";
}

} // namespace
} // namespace quillset
