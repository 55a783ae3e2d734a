#include "model/ScriptReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

// Reads a whole statement the way Compile does: keyword, then its arguments.
struct Statement {
    bool ok = false;
    Keyword keyword = Keyword::None;
    std::vector<int> args;
    ScriptReader reader;
};

Statement readStatement(const std::string& line) {
    Statement s;
    int pos = 0;
    s.keyword = s.reader.readKeyword(line, pos);
    int n = 0;
    switch (s.keyword) {
    case Keyword::BeginPage:
    case Keyword::EndPage:
        s.ok = s.reader.readNumbersAndClose(line, pos, 0);
        break;
    case Keyword::SetMargin:
    case Keyword::SetPageSize:
        n = 2;
        s.ok = s.reader.readNumbersAndClose(line, pos, n);
        break;
    case Keyword::DrawRectangle:
        n = 6;
        s.ok = s.reader.readNumbersAndClose(line, pos, n);
        break;
    case Keyword::DrawText:
        n = 4;
        s.ok = s.reader.readNumbersAndString(line, pos, n);
        break;
    case Keyword::DrawBarcode:
    case Keyword::DrawSymbol:
    case Keyword::DrawPicture:
        n = 6;
        s.ok = s.reader.readNumbersAndString(line, pos, n);
        break;
    case Keyword::DrawFontText:
        n = 8;
        s.ok = s.reader.readDrawingStatement(line) == Keyword::DrawFontText;
        break;
    case Keyword::None:
        break;
    }
    for (int i = 0; i < n && s.ok; ++i)
        s.args.push_back(s.reader.args[static_cast<std::size_t>(i)]);
    return s;
}

TEST(ScriptReader, StatementsThatRead) {
    const struct {
        const char* why;
        std::string line;
        Keyword keyword;
        std::vector<int> args;
    } cases[] = {
        {"blanks anywhere, lower case keyword",
         "   drawrectangle ( 10 , 20 , 30 , 40 , 1 , 0 ) ;",
         Keyword::DrawRectangle,
         {10, 20, 30, 40, 1, 0}},
        {"no semicolon needed",
         "DrawRectangle(10,20,30,40,1,0)",
         Keyword::DrawRectangle,
         {10, 20, 30, 40, 1, 0}},
        {"nothing after ')' is examined",
         "DrawRectangle(10,20,30,40,1,0) junk",
         Keyword::DrawRectangle,
         {10, 20, 30, 40, 1, 0}},
        {"blank between sign and digits", "SetMargin(- 8,16)", Keyword::SetMargin, {-8, 16}},
        {"out of range numbers clamp",
         "SetPageSize(40000,-40000)",
         Keyword::SetPageSize,
         {32767, -32768}},
        {"five nines clamp", "SetPageSize(99999,00001)", Keyword::SetPageSize, {32767, 1}},
        {"overflowing five digits saturate",
         "SetPageSize(65536,-65535)",
         Keyword::SetPageSize,
         {32767, -32768}},
        {"no arguments", "BeginPage();", Keyword::BeginPage, {}},
        {"no arguments with a blank", "BeginPage( )", Keyword::BeginPage, {}},
        {"end page", "endpage()", Keyword::EndPage, {}},
        {"text", "DrawText(5,6,1,2,\"x\");", Keyword::DrawText, {5, 6, 1, 2}},
        {"barcode",
         "DrawBarcode(1,2,3,1,4,50,\"012345\")",
         Keyword::DrawBarcode,
         {1, 2, 3, 1, 4, 50}},
        {"symbol, blanks and lower case",
         "drawsymbol ( 10 , 20 , 1 , 2 , 4 , 1 , \"(01)09501101530003\" ) ;",
         Keyword::DrawSymbol,
         {10, 20, 1, 2, 4, 1}},
        {"200 blanks before the keyword",
         std::string(200, ' ') + "BeginPage()",
         Keyword::BeginPage,
         {}},
    };
    for (const auto& c : cases) {
        const Statement s = readStatement(c.line);
        EXPECT_EQ(s.keyword, c.keyword) << c.why;
        EXPECT_TRUE(s.ok) << c.why;
        EXPECT_EQ(s.args, c.args) << c.why;
    }
}

TEST(ScriptReader, StatementsThatDoNotRead) {
    const struct {
        const char* why;
        std::string line;
    } cases[] = {
        {"too few numbers", "DrawRectangle(10,20,30,40,1)"},
        {"too many numbers", "DrawRectangle(10,20,30,40,1,0,7)"},
        {"symbol without its option", "DrawSymbol(10,20,0,1,4,\"x\")"},
        {"symbol without its data", "DrawSymbol(10,20,0,1,4,1)"},
        {"plus sign", "SetMargin(+8,16)"},
        {"double minus", "SetMargin(--8,16)"},
        {"six digits", "SetMargin(123456,0)"},
        {"six digits with leading zeros", "SetMargin(000001,0)"},
        {"tab before '('", "DrawRectangle\t(10,20,30,40,1,0)"},
        {"tab before the keyword", "\tBeginPage()"},
        {"digit glued to the keyword", "DrawText2(0,0,1,0,\"a\")"},
        {"unclosed string", "DrawText(0,0,1,0,\"abc)"},
        {"junk before ')'", "DrawText(0,0,1,0,\"abc\" x)"},
        {"missing comma before the string", "DrawText(0,0,1,0 \"abc\")"},
        {"line break inside the string", "DrawText(0,0,1,0,\"ab\ncd\")"},
        {"missing ')'", "SetMargin(8,16"},
        {"empty line", ""},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(readStatement(c.line).ok) << c.why;
}

TEST(ScriptReader, KeywordLimits) {
    const struct {
        const char* why;
        std::string line;
        Keyword want;
    } cases[] = {
        {"letter after the keyword", "DrawTexts(", Keyword::None},
        {"digit after the keyword", "DrawText2(", Keyword::DrawText},
        {"201 blanks hide the keyword", std::string(201, ' ') + "BeginPage()", Keyword::None},
        {"51 letters", std::string(51, 'A'), Keyword::None},
        {"mixed case", "sEtPaGeSiZe(1,2)", Keyword::SetPageSize},
    };
    for (const auto& c : cases) {
        ScriptReader reader;
        int pos = 99;
        EXPECT_EQ(reader.readKeyword(c.line, pos), c.want) << c.why;
    }
}

struct Decoded {
    std::string chars;
    std::vector<int> attrs;
};

Decoded decode(const std::string& line, bool* ok = nullptr) {
    Statement s = readStatement(line);
    if (ok)
        *ok = s.ok;
    Decoded d;
    d.chars = std::string(s.reader.text.text());
    for (std::size_t i = 0; i < d.chars.size(); ++i)
        d.attrs.push_back(s.reader.text.attrs[i]);
    return d;
}

TEST(ScriptReader, StringEscapesAndTags) {
    const struct {
        const char* why;
        std::string line;
        std::string chars;
        std::vector<int> attrs;
    } cases[] = {
        {"escapes", R"(DrawText(0,0,1,0,"a\"b\\c\nd"))", "a\"b\\c\nd", {3, 3, 3, 3, 3, 3, 3}},
        {"bold inside font 5", R"(DrawText(0,0,1,0,"<F=5><B>Hi</B> x"))", "Hi x", {21, 21, 5, 5}},
        {"unknown font is font 3", R"(DrawText(0,0,1,0,"<F=99>a"))", "a", {3}},
        {"blanks inside tags, lower case",
         R"(DrawText(0,0,1,0,"< f = 5 ><u>a</ u >b"))",
         "ab",
         {5 + 32, 5}},
        {"double width and height",
         R"(DrawText(0,0,1,0,"<W=2><H=3>a<W=1>b"))",
         "ab",
         {3 + 64 + 128, 3 + 128}},
        {"unknown escape drops the backslash", R"(DrawText(0,0,1,0,"\t"))", "t", {3}},
        {"escaped tag opener", R"(DrawText(0,0,1,0,"\<B>"))", "<B>", {3, 3, 3}},
        {"plain n", R"(DrawText(0,0,1,0,"n"))", "n", {3}},
        {"empty literal", R"(DrawText(0,0,1,0,""))", "", {}},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const Decoded d = decode(c.line, &ok);
        EXPECT_TRUE(ok) << c.why;
        EXPECT_EQ(d.chars, c.chars) << c.why;
        EXPECT_EQ(d.attrs, c.attrs) << c.why;
    }
}

TEST(ScriptReader, BadTagsFailTheString) {
    for (const char* line : {R"(DrawText(0,0,1,0,"<B=1>a"))", R"(DrawText(0,0,1,0,"<>a"))",
                             R"(DrawText(0,0,1,0,"<F>a"))", R"(DrawText(0,0,1,0,"<F=5"))",
                             R"(DrawText(0,0,1,0,"</X>a"))", R"(DrawText(0,0,1,0,"<Q>a"))"}) {
        bool ok = true;
        decode(line, &ok);
        EXPECT_FALSE(ok) << line;
    }
}

TEST(ScriptReader, LongLiteralsNeverOverrunTheBuffer) {
    // 199 characters and the closing quote are exactly the 200 items allowed.
    bool ok = false;
    const Decoded fits = decode("DrawText(0,0,1,0,\"" + std::string(199, 'x') + "\")", &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(fits.chars.size(), 199u);

    ScriptReader reader;
    int pos = 0;
    const std::string tooLong = "DrawText(0,0,1,0,\"" + std::string(5000, 'x') + "\")";
    reader.readKeyword(tooLong, pos);
    EXPECT_FALSE(reader.readNumbersAndString(tooLong, pos, 4));
    EXPECT_EQ(reader.text.chars[kMaxFieldChars], '\0');
}

TEST(ScriptReader, QuotePositionsAndFailurePositions) {
    ScriptReader reader;
    int pos = 0;
    const std::string line = R"(DrawText(1, 2, 1, 0, "ab<B>c");)";
    reader.readKeyword(line, pos);
    ASSERT_TRUE(reader.readNumbersAndString(line, pos, 4));
    EXPECT_EQ(reader.text.openQuote, 21);
    EXPECT_EQ(reader.text.closeQuote, 28);

    const std::string bad = "DrawRectangle(10,20,x,40,1,0)";
    reader.readKeyword(bad, pos);
    EXPECT_FALSE(reader.readNumbersAndClose(bad, pos, 6));
    EXPECT_EQ(reader.failure.position, 20);
    EXPECT_STREQ(reader.failure.reason, "expected a number");
}

} // namespace
} // namespace quillset
