// Files from anywhere: whatever they hold, Open takes what it understands,
// says what it could not use, and never crashes, overruns or hangs. How long
// each of these takes is measured by bench/HostileInputBench.
#include "model/FolioSession.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "model/ScriptFile.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

using namespace std::string_literals;

class RecordingReporter : public Reporter {
public:
    std::vector<std::string> messages;
    void report(const std::string& message) override { messages.push_back(message); }
};

std::string pageFile(const std::string& body) {
    return "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,1248);\r\n" + body +
           "EndPage();\r\n\x1bP#\x04";
}

std::string repeat(const std::string& piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

void expectSane(const FolioSession& session) {
    const ObjectList& list = session.objects();
    ASSERT_LE(list.count, kMaxObjects);
    for (int i = 0; i < list.count; ++i) {
        EXPECT_LE(list[i].literal.view().size(), kMaxFieldChars);
        EXPECT_LE(list[i].rawLine.view().size(), kMaxFieldChars);
        EXPECT_EQ(list[i].styled.chars[kMaxFieldChars], '\0');
    }
    const PageSettings& page = session.settings();
    EXPECT_GE(page.leftMargin, 0);
    EXPECT_GE(page.topMargin, 0);
    EXPECT_GE(page.pageWidth, 0);
    EXPECT_LE(page.pageWidth, kRasterWidth);
    EXPECT_GE(page.pageHeight, 0);
    EXPECT_LE(page.pageHeight, kRasterHeight);
}

std::string everyByte() {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        // Line breaks would split the line; escape and end-of-transmission
        // mark the printer's wrapper lines, which Open drops.
        if (b != '\r' && b != '\n' && b != 27 && b != 4)
            bytes += static_cast<char>(b);
    }
    return bytes;
}

struct HostileCase {
    const char* name;
    std::string file;
    bool longLineWarning;
    int wantObjects; // -1: not checked
};

std::vector<HostileCase> hostileCases() {
    std::vector<HostileCase> cases = {
        {"one line of 50 MB", std::string(50'000'000, 'x'), true, 1},
        {"50 MB statement with an endless literal",
         pageFile("DrawText(0,0,1,0,\"" + std::string(50'000'000, 'y') + "\");\r\n"), true, 1},
        {"a million empty lines", std::string(1'000'000, '\n'), false, kMaxObjects},
        {"NUL bytes inside statements",
         pageFile("DrawText(0,0,1,0,\"a\0b\");\r\nDraw\0Rectangle(0,0,9,9,1,0);\r\n\0\0\0\r\n"s),
         false, 3},
        {"invalid UTF-8 and stray high bytes",
         pageFile("DrawText(0,0,1,0,\"\xC3\x28\xFF\xFE\x80\");\r\n"), false, 1},
        {"every byte value in a literal",
         pageFile("DrawText(0,0,1,0,\"" + everyByte() + "\");\r\n"), true, 1},
        {"five and six digit numbers",
         pageFile("DrawRectangle(99999,65535,65536,12345,1,0);\r\n"
                  "DrawRectangle(123456,0,1,1,1,0);\r\nDrawText(000001,0,1,0,\"x\");\r\n"),
         false, 3},
        {"a thousand nested-looking tags",
         pageFile("DrawText(0,0,1,0,\"" + repeat("<B><U><F=10><W=2><H=2>", 1000) + "x\");\r\n"),
         true, 1},
        {"margins and sizes at the 16-bit edges",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(-32768,32767);\r\nSetPageSize(32767,-32768);"
         "\r\n"
         "DrawRectangle(-32768,-32768,32767,32767,1,32767);\r\n"
         "DrawText(32767,32767,1,3,\"far\");\r\nEndPage();\r\n\x1bP#\x04",
         false, 2},
    };
    for (int type = 1; type <= 5; ++type) {
        std::string data(400, type == 5 ? 'A' : '7');
        cases.push_back(
            {"a 400-character barcode",
             pageFile("DrawBarcode(0,0,0,1," + std::to_string(type) + ",60,\"" + data + "\");\r\n"),
             true, 1});
    }
    return cases;
}

TEST(HostileInput, OpensWithoutCrashingAndWarnsAboutLongLines) {
    for (const auto& c : hostileCases()) {
        SCOPED_TRACE(c.name);
        RecordingReporter reporter;
        FolioSession session;
        session.openBytes(c.file, reporter);
        expectSane(session);
        if (c.wantObjects >= 0) {
            EXPECT_EQ(session.objects().count, c.wantObjects);
        }
        const bool warned = !reporter.messages.empty() && reporter.messages[0] == longLineWarning();
        EXPECT_EQ(warned, c.longLineWarning);

        // What was opened saves and reopens to the same script.
        FolioSession again;
        RecordingReporter quiet;
        again.openBytes(session.fileBytes(), quiet);
        EXPECT_EQ(again.script(), session.script());
        (void)session.printStream();
    }
}

TEST(HostileInput, PaneTextOfAnyBytesCompiles) {
    FolioSession session;
    std::string text =
        everyByte() + "\r\n" + repeat("DrawText(1,1,1,0,\"\xF0\x9F\x98\x80\");\n", 600);
    session.compile(text);
    expectSane(session);
    EXPECT_EQ(session.objects().count, kMaxObjects);
    EXPECT_EQ(session.script(), text);
}

} // namespace
} // namespace quillset
