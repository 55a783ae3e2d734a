#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "document/ScriptCheck.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

std::string fileLine(const FolioSession& session) {
    const std::string bytes = session.fileBytes();
    const auto start = bytes.find("DrawFontText");
    return start == std::string::npos ? "" : bytes.substr(start, bytes.find("\r\n", start) - start);
}

// A font text's statement as the pane shows it, what it means, and how the
// page file (code page 437) holds it. Each character the code page lacks
// is written as its code point; a backslash escaped in the text stays a
// backslash, so "\\u{141}" in the pane is the six characters \u{141}.
struct StatementCase {
    const char* pane;
    const char* family;
    const char* text;
    int size, style, align, width;
    const char* file;
};

const StatementCase kStatements[] = {
    {R"(DrawFontText(10,20,1,0,32,5,1,300,"DejaVu Serif","Łukasz");)", "DejaVu Serif",
     "Łukasz", 32, 5, 1, 300,
     R"(DrawFontText(10,20,1,0,32,5,1,300,"DejaVu Serif","\u{141}ukasz");)"},
    // é and ü are in code page 437: one byte each, no escape.
    {R"(DrawFontText(10,20,1,0,24,0,0,0,"","Zoë Müller");)", "", "Zoë Müller", 24, 0, 0, 0,
     "DrawFontText(10,20,1,0,24,0,0,0,\"\",\"Zo\x89 M\x81ller\");"},
    {R"(DrawFontText(10,20,1,0,24,0,0,0,"","5 €\n𓂀");)", "", "5 €\n𓂀", 24, 0, 0, 0,
     R"(DrawFontText(10,20,1,0,24,0,0,0,"","5 \u{20AC}\n\u{13080}");)"},
    {R"(DrawFontText(10,20,1,0,24,0,0,0,"","C:\\u{141}");)", "", "C:\\u{141}", 24, 0, 0, 0,
     R"(DrawFontText(10,20,1,0,24,0,0,0,"","C:\\u{141}");)"},
    {R"(DrawFontText(10,20,1,0,24,0,0,0,"","\\Ł \"Nguyễn\"");)", "", "\\Ł \"Nguyễn\"", 24, 0, 0,
     0, R"(DrawFontText(10,20,1,0,24,0,0,0,"","\\\u{141} \"Nguy\u{1EC5}n\"");)"},
    {R"(DrawFontText(0,0,1,3,600,7,2,832,"DejaVu Sans Mono","Привет ${name}");)",
     "DejaVu Sans Mono", "Привет ${name}", 600, 7, 2, 832,
     R"(DrawFontText(0,0,1,3,600,7,2,832,"DejaVu Sans Mono","\u{41F}\u{440}\u{438}\u{432}\u{435}\u{442} ${name}");)"},
};

void checkStatement(const StatementCase& c) {
    FolioSession session(3);
    RecordingReporter reporter;
    session.compile(std::string(c.pane) + "\n", reporter);
    ASSERT_EQ(session.objects().count, 1);
    const PageObject& o = session.objects()[0];
    ASSERT_EQ(o.kind, ObjectKind::FontText);
    EXPECT_EQ(o.fontFamily, c.family);
    EXPECT_EQ(o.fontText, c.text);
    EXPECT_EQ(o.fontSize, c.size);
    EXPECT_EQ(o.fontStyle, c.style);
    EXPECT_EQ(o.fontAlign, c.align);
    EXPECT_EQ(o.fontWidth, c.width);
    EXPECT_GT(o.right, o.left);

    session.regenerate();
    EXPECT_EQ(session.script(), std::string(c.pane) + "\r\n");
    EXPECT_EQ(fileLine(session), c.file);

    FolioSession reopened(3);
    reopened.openBytes(session.fileBytes(), reporter);
    EXPECT_EQ(reopened.script(), session.script());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(FontTextStatement, ReadsKeepsAndWritesTheCharactersAsWritten) {
    for (const StatementCase& c : kStatements) {
        SCOPED_TRACE(c.pane);
        checkStatement(c);
    }
}

TEST(FontTextStatement, AnEscapeTypedInThePaneMeansItsCharacter) {
    FolioSession session(3);
    session.compile(std::string(R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{141}\u{1F600}");)") + "\n");
    ASSERT_EQ(session.objects().count, 1);
    EXPECT_EQ(session.objects()[0].fontText, "Ł😀");
}

// An unreadable font text is a kept line with the pane's reason, at the
// column where reading gave up.
struct RefusedCase {
    const char* pane;
    const char* reason;
};

const RefusedCase kRefused[] = {
    {R"(DrawFontText(0,0,1,0,5,0,0,0,"","a");)", "size must be 6 to 600"},
    {R"(DrawFontText(0,0,1,0,601,0,0,0,"","a");)", "size must be 6 to 600"},
    {R"(DrawFontText(0,0,1,0,24,8,0,0,"","a");)", "style must be 0 to 7"},
    {R"(DrawFontText(0,0,1,0,24,0,3,0,"","a");)", "align must be 0, 1 or 2"},
    {R"(DrawFontText(0,0,1,0,24,0,0,-1,"","a");)", "width must be 0 or more"},
    {R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{110000}");)", "bad \\u{...} character"},
    {R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{D800}");)", "bad \\u{...} character"},
    {R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{}");)", "bad \\u{...} character"},
    {R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{41");)", "bad \\u{...} character"},
    {R"(DrawFontText(0,0,1,0,24,0,0,0,"a");)", ""},
};

TEST(FontTextStatement, AnUnreadableOneIsKeptWithItsReason) {
    for (const RefusedCase& c : kRefused) {
        SCOPED_TRACE(c.pane);
        FolioSession session(3);
        session.compile(std::string(c.pane) + "\n");
        ASSERT_EQ(session.objects().count, 1);
        EXPECT_EQ(session.objects()[0].kind, ObjectKind::ScriptLine);
        const auto findings = checkPaneScript(std::string(c.pane) + "\n", session.settings());
        ASSERT_FALSE(findings.empty());
        EXPECT_FALSE(findings.front().note);
        EXPECT_NE(findings.front().reason.find(c.reason), std::string::npos)
            << findings.front().reason;
    }
}

TEST(FontTextStatement, TakesUpTo199CharactersCountedAsCharacters) {
    const auto statement = [](int characters) {
        std::string text;
        for (int i = 0; i < characters; ++i)
            text += "Ł";
        return R"(DrawFontText(0,0,1,0,24,0,0,0,"",")" + text + "\");\n";
    };
    FolioSession session(3);
    session.compile(statement(199));
    EXPECT_EQ(session.objects()[0].kind, ObjectKind::FontText);
    session.compile(statement(200));
    EXPECT_EQ(session.objects()[0].kind, ObjectKind::ScriptLine);
}

// A font text line that does not read is kept as the file holds it: only
// the escapes a line from the pane is written with become characters in
// the pane, so that every other one is saved again byte for byte.
TEST(FontTextStatement, AKeptLineIsSavedByteForByte) {
    const char* const lines[] = {
        R"(DrawFontText(0,0,1,0,5,0,0,0,"","\u{0F600} \u{f600} \u{141} \u{85} \u{2028} \\u{141}");)",
        R"(DrawFontText(0,0,1,0,24,0,0,0,"","\u{5E9}\u{41}\u{7F})",
        "DrawFontText(0,0,1,0,24,0,0,0,\"\",\"\\u{928}\x1f\\u{94D}\"",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        FolioSession session(3);
        RecordingReporter reporter;
        session.openBytes(std::string(line) + "\r\n", reporter);
        ASSERT_EQ(session.objects()[0].kind, ObjectKind::ScriptLine);
        EXPECT_EQ(fileLine(session), line);
    }
}

} // namespace
} // namespace quillset
