#include "document/ScriptCheck.h"
#include "model/PageSettings.h"

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

// A 2-inch page: 384 dots wide, 1248 high.
PageSettings twoInchPage() {
    PageSettings page;
    page.reset(2);
    return page;
}

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
        {"a symbol without its data is kept with the reason", "DrawSymbol(10,10,0,1,4,1)",
         {{1, 25, "expected ','"}}},
        {"a misspelt symbol keyword is a drawing statement", "DrawSymbl(10,10,0,1,4,1,\"x\")",
         {{1, 1, "unknown statement"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkPaneScript(c.text, twoInchPage()), c.findings) << c.why;
}

// Extents worked by hand: Code 39 is (n + 4) x 32 dots long, Code 128
// 22 n + 88, a font 3 character 10 wide and 23 high.
TEST(ScriptCheck, WhatRunsPastThePageIsReported) {
    const std::string cut = ": it will be cut and will not scan";
    const struct {
        const char* why;
        std::string text;
        std::vector<CheckFinding> findings;
    } cases[] = {
        {"Code 128 of a code set and nine characters from dot 110 ends at 418",
         "DrawBarcode(110,10,0,1,2,60,\"\xC3\xAA"
         "ABCDEFGHI\");",
         {{1, 1, "the barcode ends at dot 418; the page is 384 wide" + cut}}},
        {"ending on the page's last dot is on the page",
         "DrawBarcode(192,10,0,1,1,40,\"12\");",
         {}},
        {"one dot more is cut",
         "DrawBarcode(193,10,0,1,1,40,\"12\");",
         {{1, 1, "the barcode ends at dot 385; the page is 384 wide" + cut}}},
        {"past the bottom",
         "DrawBarcode(0,1230,0,1,1,40,\"12\");",
         {{1, 1, "the barcode ends at row 1270; the page is 1248 high" + cut}}},
        {"turned a quarter, it runs up from its origin past the top",
         "DrawBarcode(0,100,1,1,1,40,\"12\");",
         {{1, 1, "the barcode starts at row -92, above the page" + cut}}},
        {"upside down, it runs left from its origin",
         "DrawBarcode(100,50,2,1,1,40,\"12\");",
         {{1, 1, "the barcode starts at dot -92, left of the page" + cut}}},
        {"text is cut but has nothing to scan; the column is the keyword's",
         "  DrawText(370,0,1,0,\"AB\");",
         {{1, 3, "the text ends at dot 390; the page is 384 wide: it will be cut"}}},
        {"a field's length is only known per record",
         "DrawBarcode(300,0,0,1,1,40,\"${sku}\");",
         {}},
        {"data that would not be drawn is the one reason told",
         "DrawBarcode(300,0,0,1,4,40,\"12\");",
         {{1, 28, "UPC/EAN takes 7, 8, 12 or 13 digits, the last the check digit"}}},
        {"a QR Code of 21 modules of 4 dots from dot 370 ends at 453",
         "DrawSymbol(370,0,0,1,4,1,\"A\");",
         {{1, 1, "the symbol ends at dot 453; the page is 384 wide" + cut}}},
        {"a symbol turned a quarter runs up from its origin",
         "DrawSymbol(0,50,1,1,4,1,\"A\");",
         {{1, 1, "the symbol starts at row -33, above the page" + cut}}},
        {"a symbol's data that does not encode is the one reason told",
         "DrawSymbol(370,0,0,2,4,1,\"(01)\xC3\xA9\");",
         {{1, 26, "Data Matrix: '\xC3\xA9' cannot be encoded in GS1 mode"}}},
        {"a page statement typed in the pane does not widen the page",
         "SetPageSize(832,1248);\nDrawBarcode(200,0,0,1,1,40,\"12\");",
         {{2, 1, "the barcode ends at dot 392; the page is 384 wide" + cut}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkPaneScript(c.text, twoInchPage()), c.findings) << c.why;
}

TEST(ScriptCheck, AFileIsJudgedOnThePageOpenLeaves) {
    const std::string barcode = "DrawBarcode(200,0,0,1,1,40,\"12\");\r\n";
    EXPECT_EQ(checkScript(barcode + "SetPageSize(400,1248);\r\n", twoInchPage()),
              std::vector<CheckFinding>{})
        << "a page statement applies wherever it stands";
    EXPECT_EQ(checkScript("SetPageSize(208,1248);\r\n" + barcode, twoInchPage()),
              (std::vector<CheckFinding>{
                  {1, 1,
                   "the barcode ends at dot 392; the page is 208 wide: it will be cut and will not "
                   "scan"}}))
        << "and narrows the page as well";
}

// A line of one endless word once cost a table of its length times a
// keyword's to judge.
TEST(ScriptCheck, AnEndlessWordIsJudgedByItsStart) {
    const std::string word(10'000'000, 'A');
    EXPECT_EQ(checkScript(word, twoInchPage()), std::vector<CheckFinding>{});
    EXPECT_EQ(checkPaneScript("DrawText" + word, twoInchPage()),
              (std::vector<CheckFinding>{{1, 51, "keyword too long"}}))
        << "still a drawing statement by its first letters";
}

} // namespace
} // namespace quillset
