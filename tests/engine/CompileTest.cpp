#include "document/Compile.h"

#include "document/ScriptCheck.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "model/ScriptGenerator.h"
#include "picture/PictureImport.h"
#include "picture/PictureObject.h"
#include "picture/PictureText.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace quillset {
namespace {

class CompileTest : public ::testing::Test {
protected:
    const ObjectList& compile(std::string_view text) {
        loadListFromText(*list, kept, text, measurer);
        return *list;
    }

    FontTable fonts;
    TextRenderer measurer{fonts};
    std::unique_ptr<ObjectList> list = std::make_unique<ObjectList>();
    KeptLines kept;
};

TEST_F(CompileTest, LineBreaks) {
    const struct {
        const char* why;
        std::string text;
        std::vector<std::string> lines; // rawLine of each kept line
    } cases[] = {
        {"an empty pane gives an empty list", "", {}},
        {"CR LF with a final break: three lines", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"LF then CR are two breaks", "A\n\rB", {"A", "", "B"}},
        {"a lone CR breaks", "A\rB", {"A", "B"}},
        {"no break at the end", "A\nB", {"A", "B"}},
        {"a lone break is one empty line", "\n", {""}},
        {"blank lines are lines", "\r\n\r\n", {"", ""}},
    };
    for (const auto& c : cases) {
        const ObjectList& l = compile(c.text);
        ASSERT_EQ(l.count, static_cast<int>(c.lines.size())) << c.why;
        for (int i = 0; i < l.count; ++i) {
            EXPECT_EQ(l[i].kind, ObjectKind::ScriptLine) << c.why;
            EXPECT_EQ(l[i].rawLine, c.lines[static_cast<std::size_t>(i)]) << c.why;
        }
    }
}

TEST_F(CompileTest, KeptLines) {
    const struct {
        const char* why;
        std::string line;
    } cases[] = {
        {"page statements in the pane do not change the page", "SetMargin(8,8);"},
        {"page start", "BeginPage();"},
        {"misspelt keyword", "DrawTexts(0,0,1,0,\"x\");"},
        {"too few numbers", "DrawRectangle(10,20,30,40,1);"},
        {"unclosed literal", "DrawText(0,0,1,0,\"abc);"},
        {"bad tag", "DrawBarcode(0,0,0,0,1,40,\"<Q>1\");"},
        {"tab before the keyword", "\tDrawRectangle(1,2,3,4,1,0);"},
        {"prose", "Dear printer,"},
    };
    for (const auto& c : cases) {
        const ObjectList& l = compile(c.line);
        ASSERT_EQ(l.count, 1) << c.why;
        EXPECT_EQ(l[0].kind, ObjectKind::ScriptLine) << c.why;
        EXPECT_EQ(l[0].rawLine, c.line) << c.why;
    }
}

TEST_F(CompileTest, Rectangle) {
    const PageObject& o = compile("DrawRectangle(50,60,10,20,1,0);")[0];
    EXPECT_EQ(o.kind, ObjectKind::Rectangle);
    EXPECT_EQ((std::vector{o.left, o.top, o.right, o.bottom}), (std::vector{10, 20, 50, 60}))
        << "corners given swapped are stored in order";
    EXPECT_EQ(o.x, 10);
    EXPECT_EQ(o.y, 20);
    EXPECT_EQ(o.colour, 1);
    EXPECT_EQ(o.border, 0);
    EXPECT_TRUE(o.rawLine.empty());

    const PageObject& unchecked = compile("DrawRectangle(-5,0,9999,3,7,-2)")[0];
    EXPECT_EQ(unchecked.kind, ObjectKind::Rectangle) << "no range checks";
    EXPECT_EQ(unchecked.left, -5);
    EXPECT_EQ(unchecked.right, 9999);
    EXPECT_EQ(unchecked.colour, 7);
    EXPECT_EQ(unchecked.border, -2);
}

TEST_F(CompileTest, Text) {
    const PageObject& o = compile("DrawText(10,20,1,0,\"<B>Hi\\nyo\");")[0];
    EXPECT_EQ(o.kind, ObjectKind::Text);
    EXPECT_EQ(o.literal.view(), "<B>Hi\\nyo") << "the literal as typed";
    EXPECT_EQ(o.styled.text(), "Hi\nyo");
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(o.styled.attrs[i], 19) << "font 3 and bold, character " << i;
    EXPECT_EQ(o.x, 10);
    EXPECT_EQ(o.y, 20);
    EXPECT_EQ(o.colour, 1);

    EXPECT_EQ(compile("drawtext(1,2,1,0,\"x\")")[0].kind, ObjectKind::Text)
        << "lower case, no semicolon";
}

TEST_F(CompileTest, TextBoundsComeFromTheFonts) {
    const struct {
        const char* why;
        std::string line;
        int left, top, right, bottom;
    } cases[] = {
        {"two font 3 characters, upright", "DrawText(0,0,1,0,\"AB\");", 0, 0, 20, 23},
        {"turned a quarter: the box runs upward from the origin", "DrawText(0,100,1,1,\"AB\");", 0,
         80, 23, 100},
        {"double height doubles the line", "DrawText(5,5,1,0,\"<H=2>A\");", 5, 5, 15, 51},
    };
    for (const auto& c : cases) {
        const PageObject& o = compile(c.line)[0];
        EXPECT_EQ((std::vector{o.left, o.top, o.right, o.bottom}),
                  (std::vector{c.left, c.top, c.right, c.bottom}))
            << c.why;
    }
}

TEST_F(CompileTest, Barcode) {
    const struct {
        const char* why;
        std::string line;
        int left, top, right, bottom;
    } cases[] = {
        {"Code 39, two characters: (2 + 4) x 32 long", "DrawBarcode(5,6,0,1,1,40,\"12\");", 5, 6,
         197, 46},
        {"turned a quarter", "DrawBarcode(5,6,1,1,1,40,\"12\");", 5, -186, 45, 6},
    };
    for (const auto& c : cases) {
        const PageObject& o = compile(c.line)[0];
        EXPECT_EQ(o.kind, ObjectKind::Barcode) << c.why;
        EXPECT_EQ((std::vector{o.left, o.top, o.right, o.bottom}),
                  (std::vector{c.left, c.top, c.right, c.bottom}))
            << c.why;
    }
    const PageObject& o = compile("DrawBarcode(1,2,3,1,2,60,\"<B>a\\\"b\");")[0];
    EXPECT_EQ(o.literal.view(), "a\"b") << "data decoded, tags removed";
    EXPECT_EQ(o.styled.text(), "a\"b");
    EXPECT_EQ(o.styled.attrs[0], 19) << "tags still style the human-readable line";
    EXPECT_EQ((std::vector{o.barcodeX, o.barcodeY, o.angle, o.humanReadable, o.barcodeType,
                           o.barcodeHeight, o.colour}),
              (std::vector{1, 2, 3, 1, 2, 60, 1}));
}

TEST_F(CompileTest, LinesPastTheFiveHundredthAreKeptApart) {
    std::string text;
    for (int i = 0; i < 500; ++i)
        text += "DrawRectangle(" + std::to_string(i) + ",0,1,1,1,0);\n";
    const ObjectList& l = compile(text + "drawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\r\n"
                                         "// a\rnote\n\r\n"
                                         "\x9C last");
    EXPECT_EQ(l.count, 500);
    EXPECT_EQ(l[499].left, 1) << "the first 500 lines are objects";
    EXPECT_EQ(l[499].right, 499);
    EXPECT_EQ(kept.count(), 5u);
    EXPECT_EQ(kept.text(), "drawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\n// a\nnote\n\n\x9C last\n")
        << "kept as written, readable or not, each line ending in LF";

    compile("// short");
    EXPECT_TRUE(kept.empty()) << "the next Compile starts afresh";
    EXPECT_EQ(kept.text(), "");
}

TEST_F(CompileTest, KeptLineCarriesNothingOfTheSlotsEarlierObject) {
    compile("DrawBarcode(5,6,0,1,1,40,\"12\");");
    const PageObject& o = compile("// note")[0];
    EXPECT_EQ(o.kind, ObjectKind::ScriptLine);
    EXPECT_EQ(o.barcodeType, 0);
    EXPECT_EQ(o.right, 0);
    EXPECT_TRUE(o.literal.empty());
    EXPECT_EQ(o.styled.length(), 0u);
}

TEST_F(CompileTest, OverlongLinesAreKeptWholeAndOnlyWhatIsDrawnIsCut) {
    const std::string comment = "// " + std::string(247, 'x');
    EXPECT_EQ(compile(comment)[0].rawLine, comment);
    const std::string longText = "DrawText(0,0,1,0,\"" + std::string(220, 't') + "\");";
    const PageObject& unread = compile(longText)[0];
    EXPECT_EQ(unread.kind, ObjectKind::ScriptLine) << "a literal past 200 items does not read";
    EXPECT_EQ(unread.rawLine, longText);
    const std::string withZero("// a\0b", 7);
    EXPECT_EQ(compile(withZero)[0].rawLine, withZero) << "a zero byte does not end a kept line";

    // 120 items but 240 characters: the reader takes it whole; the literal
    // is cut between whole tags so that it still reads when written back.
    std::string source;
    for (int i = 0; i < 60; ++i)
        source += "<B>x";
    const PageObject& o = compile("DrawText(0,0,1,0,\"" + source + "\");")[0];
    ASSERT_EQ(o.kind, ObjectKind::Text);
    EXPECT_EQ(o.styled.length(), 60u) << "the drawn text is the whole literal";
    EXPECT_EQ(o.literal.view(), source.substr(0, 199)) << "ends on a whole tag";

    const std::string again = generateStatement(o);
    const PageObject& reread = compile(again)[0];
    EXPECT_EQ(reread.kind, ObjectKind::Text) << again;
    EXPECT_EQ(reread.literal.view(), o.literal.view());

    const std::string escapes(198, '\\');
    const PageObject& e = compile("DrawText(0,0,1,0,\"a" + escapes + "\")")[0];
    ASSERT_EQ(e.kind, ObjectKind::Text);
    EXPECT_EQ(e.literal.view(), std::string("a").append(escapes, 0, 198))
        << "an escape is never split from its character";
}

// 37 x 23 opaque pixels, black and white in squares of 3 x 2.
GreyImage checker() {
    GreyImage image;
    image.width = 37;
    image.height = 23;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) {
            image.grey.push_back(static_cast<std::uint8_t>(((x / 3 + y / 2) % 2) * 255));
            image.alpha.push_back(255);
        }
    }
    return image;
}

TEST_F(CompileTest, PictureReadsBackAsWritten) {
    const Picture made = importPicture(checker(), {37, 23}, Dithering::Ordered, 90);
    ObjectList& l = *list;
    l.clear();
    l.append(pictureObject(finishPicture(made, "C:\\logo \"new\" <1>.png"), 12, -3));
    l.append(pictureObject(finishPicture(made, std::string(200, 'x')), 0, 0));
    const std::string script = generateScript(l, kept);

    const ObjectList& read = compile(script);
    ASSERT_EQ(read.count, 2);
    const PageObject& o = read[0];
    ASSERT_EQ(o.kind, ObjectKind::Picture);
    EXPECT_EQ((std::vector{o.left, o.top, o.right, o.bottom}), (std::vector{12, -3, 48, 19}));
    EXPECT_EQ(o.picture->rows, made.rows);
    EXPECT_EQ(o.picture->dithering, Dithering::Ordered);
    EXPECT_EQ(o.picture->level, 90);
    EXPECT_EQ(o.picture->source, "C:\\logo \"new\" <1>.png");
    EXPECT_EQ(read[1].picture->source, "") << "a source too long for the line is not kept";
    EXPECT_EQ(generateScript(read, kept), script);
    EXPECT_TRUE(checkPaneScript(script, PageSettings{}).empty());
}

TEST_F(CompileTest, BrokenPicturesAreKeptLinesWithTheirReason) {
    const Picture made = importPicture(checker(), {37, 23}, Dithering::Threshold,
                                       128);
    const std::string body = pictureBody(made.rows);
    const std::string firstLine = body.substr(0, body.find('\n') + 1);
    std::string damaged = body;
    damaged[5] = damaged[5] == 'A' ? 'B' : 'A';
    std::string tooMany;
    for (int i = 0; i <= kMaxPictureBodyLines; ++i)
        tooMany += ":AAAA\n";
    const struct {
        const char* why;
        std::string statement;
        std::string body;
        std::string reason;
    } cases[] = {
        {"wider than the widest page", "DrawPicture(0,0,833,23,0,128,\"\");", body,
         "a picture is 1 to 832 dots wide"},
        {"a huge height is refused before anything is made", "DrawPicture(0,0,37,30000,0,128,\"\");",
         body, "a picture is 1 to 1248 dots high"},
        {"no dots at all", "DrawPicture(0,0,37,23,0,128,\"\");", "", "the picture's dots are not whole"},
        {"a damaged character fails the checksum", "DrawPicture(0,0,37,23,0,128,\"\");", damaged,
         "the picture's dots do not match its size"},
        {"lines missing at the end", "DrawPicture(0,0,37,23,0,128,\"\");", firstLine.substr(0, 9) + "\n",
         "the picture's dots do not match its size"},
        {"dots for another size", "DrawPicture(0,0,41,23,0,128,\"\");", body,
         "the picture's dots do not match its size"},
        {"an unknown dithering", "DrawPicture(0,0,37,23,3,128,\"\");", body,
         "the dithering is 0 (threshold), 1 (ordered) or 2 (diffusion)"},
        {"more lines than any picture needs", "DrawPicture(0,0,37,23,0,128,\"\");", tooMany,
         "more than 1000 lines of the picture's dots"},
    };
    for (const auto& c : cases) {
        const std::string script = c.statement + "\r\n" + c.body + "DrawText(0,0,1,0,\"after\");\r\n";
        const ObjectList& l = compile(script);
        const int bodyLines = static_cast<int>(std::count(c.body.begin(), c.body.end(), '\n'));
        ASSERT_EQ(l.count, std::min(kMaxObjects, bodyLines + 2)) << c.why;
        EXPECT_EQ(l[0].kind, ObjectKind::ScriptLine) << c.why;
        EXPECT_EQ(l[0].rawLine, c.statement) << c.why;
        if (bodyLines + 2 <= kMaxObjects) {
            EXPECT_EQ(l[l.count - 1].kind, ObjectKind::Text) << c.why;
        }
        const auto findings = checkPaneScript(script, PageSettings{});
        ASSERT_FALSE(findings.empty()) << c.why;
        EXPECT_EQ(findings[0], (CheckFinding{1, 1, c.reason})) << c.why;
    }
}

// A zlib stream written out by hand: one stored block of `rows`, then their
// Adler-32, as the format describes it.
std::string storedZlib(const std::string& rows) {
    std::string z = "\x78\x01\x01";
    const auto length = static_cast<unsigned>(rows.size());
    z += static_cast<char>(length & 0xFF);
    z += static_cast<char>(length >> 8);
    z += static_cast<char>(~length & 0xFF);
    z += static_cast<char>((~length >> 8) & 0xFF);
    z += rows;
    unsigned a = 1, b = 0;
    for (const char c : rows) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    for (const unsigned byte : {b >> 8, b & 0xFF, a >> 8, a & 0xFF})
        z += static_cast<char>(byte);
    return z;
}

// The text form: base64 in lines of a colon and at most 192 characters.
std::string bodyByHand(const std::string& bytes) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const auto at = [&](std::size_t k) {
            return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0u;
        };
        const unsigned group = at(i) << 16 | at(i + 1) << 8 | at(i + 2);
        for (std::size_t k = 0; k < 4; ++k)
            text += i + k <= bytes.size() ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '=';
    }
    std::string body;
    for (std::size_t at = 0; at < text.size(); at += 192)
        body.append(1, ':').append(text, at, 192).append(1, '\n');
    return body;
}

// A picture's dots are one whole stream and nothing after it: bytes after
// the stream's checksum tell a body put together wrong, and are refused.
TEST_F(CompileTest, APictureBodyIsItsStreamAndNothingMore) {
    // 37 x 23 dots: 5 bytes a row; a black dot at the start of each row.
    std::string rows(5 * 23, '\0');
    for (std::size_t at = 0; at < rows.size(); at += 5)
        rows[at] = '\x80';
    const std::string stream = storedZlib(rows);
    const struct {
        const char* why;
        std::string after; // bytes after the stream
        bool reads;
    } cases[] = {
        {"the stream alone", "", true},
        {"one zero byte after it", std::string(1, '\0'), false},
        {"text after it", "junk", false},
        {"the stream twice", stream, false},
    };
    const std::string statement = "DrawPicture(0,0,37,23,0,128,\"\");";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string script =
            statement + "\r\n" + bodyByHand(stream + c.after) + "DrawText(0,0,1,0,\"after\");\r\n";
        const ObjectList& l = compile(script);
        const auto findings = checkPaneScript(script, PageSettings{});
        if (c.reads) {
            ASSERT_EQ(l.count, 2);
            ASSERT_EQ(l[0].kind, ObjectKind::Picture);
            EXPECT_EQ(l[0].picture->rows, std::vector<std::uint8_t>(rows.begin(), rows.end()));
            for (const CheckFinding& f : findings)
                EXPECT_NE(f.line, 1) << f.reason;
            continue;
        }
        EXPECT_EQ(l[0].kind, ObjectKind::ScriptLine);
        EXPECT_EQ(l[0].rawLine, statement);
        EXPECT_EQ(l[l.count - 1].kind, ObjectKind::Text);
        ASSERT_FALSE(findings.empty());
        EXPECT_EQ(findings[0], (CheckFinding{1, 1, "the picture's dots do not match its size"}));
    }
}

} // namespace
} // namespace quillset
