#include "model/ScriptGenerator.h"

#include "model/CodePage437.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "model/ScriptReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quillset {
namespace {

PageObject rectangle(int l, int t, int r, int b, int colour, int border) {
    PageObject o;
    o.kind = ObjectKind::Rectangle;
    o.left = l, o.top = t, o.right = r, o.bottom = b, o.colour = colour, o.border = border;
    return o;
}

PageObject scriptLine(const std::string& raw) {
    PageObject o;
    o.kind = ObjectKind::ScriptLine;
    o.rawLine.assign(raw);
    return o;
}

PageObject text(int x, int y, const std::string& literal) {
    PageObject o;
    o.kind = ObjectKind::Text;
    o.x = x, o.y = y, o.colour = 1;
    o.literal.assign(literal);
    return o;
}

PageObject barcode(const std::string& data) {
    PageObject o;
    o.kind = ObjectKind::Barcode;
    o.barcodeX = 5, o.barcodeY = 6, o.humanReadable = 1, o.barcodeType = 2, o.barcodeHeight = 40;
    o.colour = 1;
    o.literal.assign(data);
    return o;
}

PageObject symbol(int angle, int symbology, int module, int option, const std::string& data) {
    PageObject o;
    o.kind = ObjectKind::Symbol;
    o.x = 12, o.y = 34, o.angle = angle, o.colour = 1;
    o.symbology = symbology, o.symbolModule = module, o.symbolOption = option;
    o.literal.assign(data);
    return o;
}

PageSettings settings(int left, int top, int width, int height) {
    PageSettings s;
    s.leftMargin = static_cast<std::int16_t>(left);
    s.topMargin = static_cast<std::int16_t>(top);
    s.pageWidth = static_cast<std::int16_t>(width);
    s.pageHeight = static_cast<std::int16_t>(height);
    s.normalise();
    return s;
}

TEST(ScriptGenerator, Statements) {
    PageObject unknown = rectangle(1, 2, 3, 4, 1, 0);
    unknown.kind = static_cast<ObjectKind>(99);
    const struct {
        const char* why;
        PageObject object;
        std::string want;
    } cases[] = {
        {"canonical rectangle", rectangle(10, 20, 50, 60, 1, 0),
         "DrawRectangle(10,20,50,60,1,0);\r\n"},
        {"negative numbers keep their sign", rectangle(-5, 0, 10, 10, 1, 3),
         "DrawRectangle(-5,0,10,10,1,3);\r\n"},
        {"text literal written as its source", text(10, 20, "<B>Hi"),
         "DrawText(10,20,1,0,\"<B>Hi\");\r\n"},
        {"escapes in a text literal survive", text(0, 0, "a\\\"b"),
         "DrawText(0,0,1,0,\"a\\\"b\");\r\n"},
        {"code page 437 text comes back as UTF-8", text(0, 0, "caf\x82"),
         "DrawText(0,0,1,0,\"caf\xC3\xA9\");\r\n"},
        {"kept lines end with a line feed alone", scriptLine("SetMargin(8,8);"),
         "SetMargin(8,8);\n"},
        {"an empty kept line is a lone line feed", scriptLine(""), "\n"},
        {"kept lines come back as UTF-8", scriptLine("// \x9C 5"), "// \xC2\xA3 5\n"},
        {"plain barcode data", barcode("12"), "DrawBarcode(5,6,0,1,2,40,\"12\");\r\n"},
        {"barcode data that the reader would take for syntax is escaped", barcode("a\"b\\c<d\ne"),
         "DrawBarcode(5,6,0,1,2,40,\"a\\\"b\\\\c\\<d\\ne\");\r\n"},
        {"symbol", symbol(1, 2, 4, 1, "(01)09501101530003"),
         "DrawSymbol(12,34,1,2,4,1,\"(01)09501101530003\");\r\n"},
        {"symbol data is escaped as barcode data", symbol(0, 1, 3, 0, "<a\"b>"),
         "DrawSymbol(12,34,0,1,3,0,\"\\<a\\\"b>\");\r\n"},
        {"unknown kinds are skipped", unknown, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(generateStatement(c.object), c.want) << c.why;
}

TEST(ScriptGenerator, EscapedBarcodeDataReadsBackUnchanged) {
    const std::string data = "\"\\<>\nn\\n<B>";
    const std::string line = generateStatement(barcode(data));
    ScriptReader reader;
    int pos = 0;
    ASSERT_EQ(reader.readKeyword(line, pos), Keyword::DrawBarcode);
    ASSERT_TRUE(reader.readNumbersAndString(line, pos, 6)) << line;
    EXPECT_EQ(reader.text.text(), data);
}

// What the generator writes, the reader reads back as the same symbol.
TEST(ScriptGenerator, SymbolStatementsReadBackUnchanged) {
    const PageObject cases[] = {
        symbol(0, 1, 4, 3, "https://example.com/?a=1&b=<2>"),
        symbol(3, 5, 7, 2, "123456789840001Shipment \"A\\B\""),
        symbol(2, 3, 20, 8, "line one\nline two"),
        symbol(1, 4, 1, 90, "caf\x82 \x9C"),
    };
    for (const PageObject& o : cases) {
        const std::string line = generateStatement(o);
        ScriptReader reader;
        ASSERT_EQ(reader.readDrawingStatement(utf8ToCp437(line)), Keyword::DrawSymbol) << line;
        const auto& a = reader.args;
        EXPECT_EQ((std::vector<int>{a[0], a[1], a[2], a[3], a[4], a[5]}),
                  (std::vector<int>{o.x, o.y, o.angle, o.symbology, o.symbolModule,
                                    o.symbolOption}))
            << line;
        EXPECT_EQ(reader.text.text(), o.literal.view()) << line;
    }
}

TEST(ScriptGenerator, ScriptFollowsListOrder) {
    auto list = std::make_unique<ObjectList>();
    list->append(scriptLine("// top"));
    list->append(rectangle(1, 2, 3, 4, 1, 0));
    list->append(text(0, 0, "x"));
    const KeptLines none;
    EXPECT_EQ(generateScript(*list, none),
              "// top\nDrawRectangle(1,2,3,4,1,0);\r\nDrawText(0,0,1,0,\"x\");\r\n");
    EXPECT_EQ(generateScript(ObjectList{}, none), "");
}

TEST(ScriptGenerator, KeptLinesFollowTheObjectsUnchanged) {
    auto list = std::make_unique<ObjectList>();
    list->append(rectangle(1, 2, 3, 4, 1, 0));
    list->append(scriptLine(std::string(300, 'c')));
    KeptLines kept;
    kept.append("drawrectangle ( 5 , 6 , 7 , 8 , 1 , 0 )");
    kept.append("");
    kept.append("// \x9C 5");
    EXPECT_EQ(generateScript(*list, kept), "DrawRectangle(1,2,3,4,1,0);\r\n" +
                                               std::string(300, 'c') +
                                               "\ndrawrectangle ( 5 , 6 , 7 , 8 , 1 , 0 )\n"
                                               "\n// \xC2\xA3 5\n")
        << "a long line whole; kept lines not made canonical, converted to UTF-8";
}

TEST(ScriptGenerator, PageStream) {
    const std::string header = "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\n"
                               "SetPageSize(576,1248);\r\n";
    const std::string trailer = std::string("EndPage();\r\n\x1bP#") + '\x04';
    const PageSettings page = settings(0, 0, 576, 1248);
    EXPECT_EQ(pageHeader(page), header);
    EXPECT_EQ(pageTrailer(), trailer);
    EXPECT_EQ(pageStream(page, ""), header + trailer) << "an empty script";
    EXPECT_EQ(pageStream(page, "DrawRectangle(10,20,50,60,1,0);\r\n"),
              header + "DrawRectangle(10,20,50,60,1,0);\r\n" + trailer);
    EXPECT_EQ(pageStream(page, "// last"), header + "// last\r\n" + trailer)
        << "the trailer never joins a last line left without its line end";
    EXPECT_EQ(pageHeader(settings(-8, -3, 384, 100)),
              "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(-8,-3);\r\nSetPageSize(384,100);\r\n");
}

} // namespace
} // namespace quillset
