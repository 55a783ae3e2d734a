#include "document/ScriptFile.h"
#include "document/ScriptFileEncoder.h"

#include "RecordingReporter.h"
#include "model/PageSettings.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

namespace quillset {
namespace {

namespace fs = std::filesystem;

PageSettings startPage() {
    PageSettings s;
    s.reset(3);
    return s;
}

const std::string kEot(1, '\x04');

TEST(ScriptFile, LoadFilter) {
    const struct {
        const char* why;
        std::string file;
        std::string script;
        int left, top, width, height;
    } cases[] = {
        {"the saved page stream loses its wrapper",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(576,1248);\r\n"
         "DrawRectangle(10,20,50,60,1,0);\r\nEndPage();\r\n\x1bP#" +
             kEot,
         "DrawRectangle(10,20,50,60,1,0);\r\n", 0, 0, 576, 1248},
        {"margins normalise", "SetMargin(13,5);\n", "", 8, 5, 576, 1248},
        {"page size normalises", "SetPageSize(390,300);\n", "", 0, 0, 384, 300},
        {"an unreadable page statement is dropped and changes nothing",
         "SetMargin(8);\nSetPageSize(x,y)\n", "", 0, 0, 576, 1248},
        {"settings beyond the raster are clamped", "SetPageSize(2000,5000);\nSetMargin(-16,-1);\n",
         "", 0, 0, 832, 1248},
        {"no header or trailer needed; LF alone ends a line", "// a\nDrawText(0,0,1,0,\"x\");",
         "// a\r\nDrawText(0,0,1,0,\"x\");\r\n", 0, 0, 576, 1248},
        {"prose is kept", "Dear printer,\r\n\r\nhello.\r\n", "Dear printer,\r\n\r\nhello.\r\n", 0,
         0, 576, 1248},
        {"page statements go by keyword alone", "beginpage junk\nEndPage\n", "", 0, 0, 576, 1248},
        {"every carriage return is removed", "Dr\rawText\r\r\n", "DrawText\r\n", 0, 0, 576, 1248},
        {"escape or end of transmission anywhere drops the line",
         "DrawText(0,0,1,0,\"\x1b\");\nab\x04\n", "", 0, 0, 576, 1248},
        {"code page 437 becomes UTF-8", "// \x9C\n", "// \xC2\xA3\r\n", 0, 0, 576, 1248},
    };
    for (const auto& c : cases) {
        PageSettings page = startPage();
        const LoadedScript loaded = loadScript(c.file, page);
        EXPECT_EQ(loaded.script, c.script) << c.why;
        EXPECT_FALSE(loaded.longLines) << c.why;
        EXPECT_EQ(page.leftMargin, c.left) << c.why;
        EXPECT_EQ(page.leftMarginBytes, c.left / 8) << c.why;
        EXPECT_EQ(page.topMargin, c.top) << c.why;
        EXPECT_EQ(page.pageWidth, c.width) << c.why;
        EXPECT_EQ(page.rowBytes, c.width / 8) << c.why;
        EXPECT_EQ(page.pageHeight, c.height) << c.why;
    }
}

TEST(ScriptFile, LongLinesWarnButStayWhole) {
    const struct {
        const char* why;
        std::size_t length;
        bool warns;
    } cases[] = {
        {"197 characters and CR LF stay under the limit", 197, false},
        {"198 characters reach 200 with the line end", 198, true},
        {"250 characters", 250, true},
    };
    for (const auto& c : cases) {
        PageSettings page = startPage();
        const std::string line = "// " + std::string(c.length - 3, 'x');
        const LoadedScript loaded = loadScript("a\n" + line + "\r\nb\n", page);
        EXPECT_EQ(loaded.longLines, c.warns) << c.why;
        EXPECT_EQ(loaded.script, "a\r\n" + line + "\r\nb\r\n") << c.why;
    }
    EXPECT_EQ(longLineWarning(),
              "Warning: One or more lines were longer than the maximum allowed limit of 200.");
}

TEST(ScriptFile, SavedBytes) {
    const struct {
        const char* why;
        std::string stream;
        std::string file;
    } cases[] = {
        {"CR LF stays CR LF", "a\r\nb", "a\r\nb"},
        {"a kept line's lone LF becomes CR LF", "// x\nDrawText\r\n", "// x\r\nDrawText\r\n"},
        {"UTF-8 becomes code page 437", "\xC3\xA9\n", "\x82\r\n"},
        {"the trailer ends without a line end", "EndPage();\r\n\x1bP#" + kEot,
         "EndPage();\r\n\x1bP#" + kEot},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scriptFileBytes(c.stream), c.file) << c.why;
}

// Save and recovery convert a long script a piece at a time; a cut anywhere,
// also inside a character or between a lead byte and a carriage return before
// its continuation, gives the bytes of the whole stream.
TEST(ScriptFile, SavedBytesInPieces) {
    // é, CR LF, a full block, é with a CR inside, an emoji, a stray
    // continuation byte, a lead byte without its continuation, LF.
    std::string stream, file;
    for (int i = 0; i < 40'000; ++i) {
        stream += "\xC3\xA9\r\n\xE2\x96\x88\xC3\r\xA9\xF0\x9F\x98\x80\x80\xC3x\n";
        file += "\x82\r\n\xDB\x82???x\r\n";
    }
    for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                                    std::size_t{65'535}, stream.size()}) {
        std::string out;
        ScriptFileEncoder encoder(appendingTo(out));
        for (std::size_t at = 0; at < stream.size(); at += piece)
            encoder.add(std::string_view(stream).substr(at, piece));
        encoder.finish();
        EXPECT_TRUE(out == file) << "in pieces of " << piece; // no diff of megabytes
    }
}

class ScriptFileOnDisk : public ::testing::Test {
protected:

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    testing::TestFolder folder;
    const fs::path& dir = folder.path();
    RecordingReporter reporter;
};

TEST_F(ScriptFileOnDisk, WritesAndReplaces) {
    const fs::path path = dir / "label.txt";
    ASSERT_TRUE(writeScriptFile(path, "first", reporter));
    ASSERT_TRUE(writeScriptFile(path, "second\r\n", reporter));
    EXPECT_EQ(contents(path), "second\r\n");
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file is left behind";
    std::string bytes;
    ASSERT_TRUE(readScriptFile(path, bytes, reporter));
    EXPECT_EQ(bytes, "second\r\n");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ScriptFileOnDisk, KeepsPermissionsOfTheFileItReplaces) {
    const fs::path path = dir / "label.txt";
    ASSERT_TRUE(writeScriptFile(path, "first", reporter));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeScriptFile(path, "second", reporter));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ScriptFileOnDisk, SavingThroughALinkReplacesItsTarget) {
    const fs::path path = dir / "label.txt";
    const fs::path link = dir / "link.txt";
    ASSERT_TRUE(writeScriptFile(path, "first", reporter));
    fs::create_symlink(path, link);
    ASSERT_TRUE(writeScriptFile(link, "second", reporter));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(path), "second");
}

TEST_F(ScriptFileOnDisk, CannotOpen) {
    std::string bytes = "unchanged";
    EXPECT_FALSE(readScriptFile(dir / "missing.txt", bytes, reporter));
    EXPECT_FALSE(readScriptFile(dir, bytes, reporter)) << "a folder is no file";
    EXPECT_EQ(bytes, "unchanged");
    EXPECT_FALSE(writeScriptFile(dir / "no-such-folder" / "x.txt", "x", reporter));
    EXPECT_FALSE(writeScriptFile(dir, "x", reporter)) << "a folder is not replaced";
    EXPECT_EQ(reporter.messages,
              (std::vector<std::string>{kOpenForReadFailed, kOpenForReadFailed, kOpenForWriteFailed,
                                        kOpenForWriteFailed}));
    EXPECT_TRUE(fs::is_directory(dir));
}

// A failed write must leave the old file whole. The file size limit makes the
// write fail part way, as a full disk would.
TEST_F(ScriptFileOnDisk, FailedWriteKeepsTheOldFile) {
    const fs::path path = dir / "label.txt";
    ASSERT_TRUE(writeScriptFile(path, "the old page", reporter));

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool ok = writeScriptFile(path, std::string(100000, 'x'), reporter);
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{kWriteFailed});
    EXPECT_EQ(contents(path), "the old page");
    EXPECT_EQ(filesInDir(), 1u) << "the temporary file is removed";
}

} // namespace
} // namespace quillset
