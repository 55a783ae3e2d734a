#include "document/FolioSession.h"

#include "RecordingReporter.h"
#include "document/Compile.h"
#include "document/ScriptFile.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quillset {
namespace {

namespace fs = std::filesystem;

const std::string kHeader576 =
    "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(576,1248);\r\n";
const std::string kTrailer = std::string("EndPage();\r\n\x1bP#") + '\x04';

bool dot(const PageRaster& raster, int x, int y) {
    return (raster.GetByte(x / 8, y) & (0x80 >> (x % 8))) != 0;
}

std::string pageBits(const FolioSession& s) {
    const PageRaster& r = s.raster();
    std::string bits;
    for (int y = 0; y < r.settings.pageHeight; ++y)
        for (int c = 0; c < r.settings.rowBytes; ++c)
            bits += static_cast<char>(r.GetByte(c, y));
    return bits;
}

TEST(FolioSession, SavesTheWorkedPage) {
    FolioSession session(3);
    session.compile("DrawRectangle(10,20,50,60,1,0);\r\n");
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(session.fileBytes(), kHeader576 + "DrawRectangle(10,20,50,60,1,0);\r\n" + kTrailer);
    EXPECT_EQ(session.printStream(), session.fileBytes())
        << "for ASCII with CR LF the file is the print stream";
}

// A file opened by another session (on a worker thread) must become the
// same document as one opened in place, kept lines and page included.
TEST(FolioSession, AdoptsADocumentOpenedElsewhere) {
    std::string file = kHeader576 + "SetMargin(16,4);\r\nDrawText(5,5,1,0,\"Hi\");\r\n";
    for (int i = 0; i < 510; ++i)
        file += "DrawRectangle(1,2,3,4,1,0);\r\n";
    file += kTrailer;
    RecordingReporter reporter;
    FolioSession inPlace(3);
    inPlace.openBytes(file, reporter);
    FolioSession elsewhere(3);
    elsewhere.openBytes(file, reporter);
    FolioSession adopting(3);
    adopting.compile("DrawRectangle(0,0,99,99,1,0);");
    adopting.adopt(elsewhere);

    EXPECT_EQ(adopting.script(), inPlace.script());
    EXPECT_EQ(adopting.keptLines().count(), 11u);
    EXPECT_EQ(adopting.settings().leftMargin, 16);
    EXPECT_EQ(pageBits(adopting), pageBits(inPlace));
    EXPECT_FALSE(adopting.modified());
    EXPECT_EQ(elsewhere.objects().count, 0) << "the objects moved, not copied";
}

TEST(FolioSession, OpensTheWorkedFile) {
    FolioSession session(2);
    RecordingReporter reporter;
    session.openBytes("\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(16,4);\r\nSetPageSize(576,600);"
                      "\r\nDrawRectangle(10,20,50,60,1,0);\r\nEndPage();\r\n\x1bP#\x04",
                      reporter);
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(session.script(), "DrawRectangle(10,20,50,60,1,0);\r\n");
    EXPECT_EQ(session.settings().leftMargin, 16);
    EXPECT_EQ(session.settings().topMargin, 4);
    EXPECT_EQ(session.settings().pageWidth, 576);
    EXPECT_EQ(session.settings().pageHeight, 600);
    ASSERT_EQ(session.objects().count, 1);
    EXPECT_TRUE(dot(session.raster(), 10, 20));
    EXPECT_TRUE(dot(session.raster(), 50, 60));
    EXPECT_FALSE(dot(session.raster(), 51, 60));
    EXPECT_FALSE(session.modified());
}

TEST(FolioSession, OpenRegeneratesTheScript) {
    const struct {
        const char* why;
        std::string file;
        std::string script;
    } cases[] = {
        {"readable statements come back canonical", "drawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\n",
         "DrawRectangle(1,2,3,4,1,0);\r\n"},
        {"kept lines end with LF after regeneration", "// a note\r\nDrawText(1,2,1,0,\"x\")\r\n",
         "// a note\nDrawText(1,2,1,0,\"x\");\r\n"},
        {"prose becomes kept lines", "Dear printer,\r\nhello.\r\n", "Dear printer,\nhello.\n"},
        {"code page 437 text comes back as UTF-8",
         "DrawText(0,0,1,0,\"\x9C 5\");\r\n// caf\x82\r\n",
         "DrawText(0,0,1,0,\"\xC2\xA3 5\");\r\n// caf\xC3\xA9\n"},
        {"the UPC check digit is written back", "DrawBarcode(0,0,0,1,4,60,\"036000291450\");\r\n",
         "DrawBarcode(0,0,0,1,4,60,\"036000291452\");\r\n"},
    };
    for (const auto& c : cases) {
        FolioSession session;
        RecordingReporter reporter;
        session.openBytes(c.file, reporter);
        EXPECT_EQ(session.script(), c.script) << c.why;
    }
}

TEST(FolioSession, OpenedObjectsAreTheCompileOfTheRegeneratedScript) {
    FolioSession session;
    RecordingReporter reporter;
    session.openBytes("DrawBarcode(0,0,0,1,4,60,\"036000291450\");\r\n", reporter);
    ASSERT_EQ(session.objects().count, 1);
    const PageObject& upc = session.objects()[0];
    EXPECT_EQ(upc.literal.view(), "036000291452");
    EXPECT_EQ(upc.styled.text(), "036000291452") << "the human-readable line shows the digit";
}

TEST(FolioSession, OpenWarnsOfLongLinesAndKeepsThem) {
    FolioSession session;
    RecordingReporter reporter;
    const std::string comment = "// " + std::string(247, 'x');
    session.openBytes(comment + "\r\nDrawRectangle(1,1,2,2,1,0);\r\n", reporter);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{longLineWarning()});
    EXPECT_EQ(session.script(), comment + "\nDrawRectangle(1,1,2,2,1,0);\r\n");
}

// Canonical statements, so that they come back as they went in.
std::string numberedRectangles(int first, int last, const char* end = "\r\n") {
    std::string lines;
    for (int i = first; i <= last; ++i)
        lines += "DrawRectangle(0,0,9," + std::to_string(i) + ",1,0);" + end;
    return lines;
}

TEST(FolioSession, OpenThenSaveGivesBackEveryLine) {
    const std::string header =
        "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,1248);\r\n";
    const std::string file = header + "// " + std::string(247, 'c') + "\r\n" +
                             "DrawText(0,0,1,0,\"" + std::string(220, 't') + "\");\r\n" +
                             numberedRectangles(1, 600) + kTrailer;
    FolioSession session(2);
    RecordingReporter reporter;
    session.openBytes(file, reporter);
    EXPECT_EQ(reporter.messages, (std::vector<std::string>{longLineWarning(), keptLinesWarning()}));
    EXPECT_EQ(session.objects().count, 500);
    EXPECT_EQ(session.keptLines().count(), 102u) << "602 script lines";
    EXPECT_EQ(session.fileBytes(), file) << "every line back, byte for byte";

    FolioSession reopened(2);
    RecordingReporter again;
    reopened.openBytes(session.fileBytes(), again);
    EXPECT_EQ(reopened.fileBytes(), file);
    EXPECT_EQ(again.messages, reporter.messages) << "told again on the next Open";
}

TEST(FolioSession, CompileTellsOnceWhenLinesAreKeptPastTheList) {
    EXPECT_EQ(keptLinesWarning(), "Warning: The page holds 500 lines at most; the lines after "
                                  "line 500 are kept in the script but not drawn.");
    const struct {
        const char* why;
        int lines;
        std::size_t kept;
    } cases[] = {
        {"a full list keeps nothing apart", 500, 0},
        {"one line past the list", 501, 1},
        {"many lines past the list, still one message", 900, 400},
    };
    for (const auto& c : cases) {
        FolioSession session;
        RecordingReporter reporter;
        session.compile(numberedRectangles(1, c.lines), reporter);
        EXPECT_EQ(session.keptLines().count(), c.kept) << c.why;
        EXPECT_EQ(reporter.messages.size(), c.kept > 0 ? 1u : 0u) << c.why;
    }
}

TEST(FolioSession, EditsAndPrintKeepTheLinesPastTheList) {
    FolioSession session;
    RecordingReporter reporter;
    session.compile(numberedRectangles(1, 502), reporter);
    EXPECT_EQ(pageBits(session), [] {
        FolioSession first500;
        RecordingReporter quiet;
        first500.compile(numberedRectangles(1, 500), quiet);
        return pageBits(first500);
    }()) << "kept lines are not drawn";

    session.objects().remove(0);
    session.editFinished();
    const std::string kept = numberedRectangles(501, 502, "\n");
    EXPECT_EQ(session.script(), numberedRectangles(2, 500) + kept)
        << "after the objects, in order, ending in LF as kept lines do";
    EXPECT_NE(session.printStream().find(kept + "EndPage();"), std::string::npos);
}

TEST(FolioSession, FileSettingsAreClampedIntoTheRaster) {
    FolioSession session;
    RecordingReporter reporter;
    session.openBytes("SetMargin(13,5);\nSetPageSize(30000,-4);\n", reporter);
    EXPECT_EQ(session.settings().leftMargin, 8);
    EXPECT_EQ(session.settings().topMargin, 5);
    EXPECT_EQ(session.settings().pageWidth, 832);
    EXPECT_EQ(session.settings().pageHeight, 0);
}

TEST(FolioSession, CompileKeepsThePaneTextAndThePage) {
    FolioSession session(4);
    const std::string pane = "SetMargin(8,8);\ndrawtext(1,2,1,0,\"caf\xC3\xA9\")";
    session.compile(pane);
    EXPECT_EQ(session.script(), pane) << "Compile does not regenerate";
    EXPECT_EQ(session.settings().leftMargin, 0) << "page statements in the pane change nothing";
    EXPECT_EQ(session.settings().pageWidth, 832);
    ASSERT_EQ(session.objects().count, 2);
    EXPECT_EQ(session.objects()[0].kind, ObjectKind::ScriptLine);
    EXPECT_EQ(session.objects()[1].literal.view(), "caf\x82") << "objects hold code page 437";
    session.regenerate();
    EXPECT_EQ(session.script(), "SetMargin(8,8);\nDrawText(1,2,1,0,\"caf\xC3\xA9\");\r\n")
        << "non-ASCII text survives an edit unchanged";
}

TEST(FolioSession, NewDocumentBlanksThePageButKeepsItsSettings) {
    FolioSession session;
    RecordingReporter reporter;
    session.openBytes("SetPageSize(320,200);\nDrawRectangle(0,0,10,10,1,0);\n", reporter);
    session.newDocument();
    EXPECT_EQ(session.script(), "");
    EXPECT_EQ(session.objects().count, 0);
    EXPECT_EQ(session.settings().pageWidth, 320);
    EXPECT_FALSE(dot(session.raster(), 0, 0));
    EXPECT_EQ(session.fileBytes(),
              "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(320,200);\r\n" +
                  kTrailer);
}

class FolioSessionOnDisk : public ::testing::Test {
protected:

    testing::TestFolder folder;
    const fs::path& dir = folder.path();
    RecordingReporter reporter;
};

TEST_F(FolioSessionOnDisk, RoundTrip) {
    const fs::path first = dir / "first.txt";
    const fs::path second = dir / "second.txt";
    {
        std::ofstream(first, std::ios::binary)
            << "SetPageSize(384,300);\r\n"
               "DrawText(10,10,1,0,\"<F=1><B>Hi</B> \\\"there\\\"\");\r\n"
               "drawrectangle(5,5,200,100,1,3)\r\n"
               "DrawBarcode(20,150,0,1,2,50,\"\x88"
               "AB\\\"C\");\r\n"
               "// kept\r\n";
    }
    FolioSession a;
    ASSERT_TRUE(a.open(first, reporter));
    ASSERT_TRUE(a.save(second, reporter));
    FolioSession b;
    ASSERT_TRUE(b.open(second, reporter));
    EXPECT_EQ(b.script(), a.script());
    EXPECT_EQ(b.fileBytes(), a.fileBytes());
    EXPECT_EQ(pageBits(b), pageBits(a));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(FolioSessionOnDisk, FailuresAreReportedAndChangeNothing) {
    FolioSession session;
    session.compile("// typed");
    EXPECT_FALSE(session.open(dir / "missing.txt", reporter));
    EXPECT_EQ(session.script(), "// typed");
    EXPECT_FALSE(session.save(dir / "no-folder" / "x.txt", reporter));
    EXPECT_TRUE(session.modified()) << "a failed save leaves the document modified";
    EXPECT_EQ(reporter.messages,
              (std::vector<std::string>{kOpenForReadFailed, kOpenForWriteFailed}));
    EXPECT_TRUE(session.save(dir / "x.txt", reporter));
    EXPECT_FALSE(session.modified());
}

} // namespace
} // namespace quillset
