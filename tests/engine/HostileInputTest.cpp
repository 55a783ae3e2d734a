// Files from anywhere: whatever they hold, Open takes what it understands,
// says what it could not use, and never crashes, overruns or hangs. How long
// each of these takes is measured by bench/HostileInputBench.
#include "document/FolioSession.h"
#include "document/ScriptFile.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "raster/PageRaster.h"
#include "tests/support/HostileFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

using testing::everyByte;
using testing::repeat;

class RecordingReporter : public Reporter {
public:
    std::vector<std::string> messages;
    void report(const std::string& message) override { messages.push_back(message); }
};

void expectSane(const FolioSession& session) {
    const ObjectList& list = session.objects();
    ASSERT_LE(list.count, kMaxObjects);
    for (int i = 0; i < list.count; ++i) {
        EXPECT_LE(list[i].literal.view().size(), kMaxFieldChars);
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

TEST(HostileInput, OpensWithoutCrashingAndWarnsAboutLongLines) {
    for (const auto& c : testing::hostileFiles()) {
        SCOPED_TRACE(c.name);
        RecordingReporter reporter;
        FolioSession session;
        session.openBytes(c.bytes, reporter);
        expectSane(session);
        if (c.wantObjects >= 0) {
            EXPECT_EQ(session.objects().count, c.wantObjects);
        }
        EXPECT_EQ(session.keptLines().count(), static_cast<std::size_t>(c.wantKeptLines));
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
    RecordingReporter reporter;
    session.compile(text, reporter);
    expectSane(session);
    EXPECT_EQ(session.objects().count, kMaxObjects);
    EXPECT_EQ(session.keptLines().count(), 101u);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(session.script(), text);
}

TEST(HostileInput, AHugeLineComesBackWhole) {
    const std::string comment = "// " + std::string(5'000'000, 'x');
    const std::string text = "DrawText(0,0,1,0,\"" + std::string(5'000'000, 't') + "\");";
    FolioSession session;
    RecordingReporter reporter;
    session.openBytes(comment + "\n" + text + "\n", reporter);
    EXPECT_NE(session.fileBytes().find("\r\n" + comment + "\r\n" + text + "\r\nEndPage();"),
              std::string::npos);
}

} // namespace
} // namespace quillset
