#include "merge/MergeCheck.h"
#include "document/FolioSession.h"
#include "merge/MergeRun.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quillset {

namespace {

namespace fs = std::filesystem;

struct Merge {
    Merge(const std::string& script, const std::string& csv) {
        settings.dataPath = (fs::temp_directory_path() / "quillset-merge-check.csv").string();
        std::ofstream(settings.dataPath, std::ios::binary) << csv;
        document.compile(script);
    }
    ~Merge() { fs::remove(settings.dataPath); }
    FolioSession document;
    MergeSettings settings;
};

TEST(MergeCheck, NamesRecordAndLine) {
    const std::string csv = "name,code\nAnn,5901234123457\n" + std::string(190, 'x') + ",9\nZo\xC5\x91,4\n";
    const struct {
        const char* why;
        std::string script;
        std::vector<std::string> problems;
    } cases[] = {
        {"a misspelt column, once for the file",
         "\nDrawText(0,0,1,0,\"${nmae}\");",
         {"line 2: ${nmae} is no column of quillset-merge-check.csv (columns: name, code)"}},
        {"a field that is none",
         "DrawText(0,0,1,0,\"${seq:5}\");",
         {"line 1: ${seq:5} is no field (fields are ${name}, ${1}, ${seq}, ${seq:000}, "
          "${date:FORMAT} and ${time:FORMAT})"}},
        {"too long with its values; a character the printer lacks",
         "DrawText(0,0,1,0,\"Dear ${name}, hello\");",
         {"record 2 (quillset-merge-check.csv line 3): ${name} makes the text 202 characters "
          "long; 199 fit",
          "record 3 (quillset-merge-check.csv line 4): ${name} holds 'Zo\xC5\x91': '\xC5\x91' is "
          "not in the printer's character set"}},
        {"barcode data its symbology cannot draw",
         "DrawBarcode(0,0,0,1,4,40,\"${code}\");",
         {"record 2 (quillset-merge-check.csv line 3): ${code} holds '9': UPC/EAN takes 7, 8, "
          "12 or 13 digits, the last the check digit",
          "record 3 (quillset-merge-check.csv line 4): ${code} holds '4': UPC/EAN takes 7, 8, "
          "12 or 13 digits, the last the check digit"}},
    };
    for (const auto& c : cases) {
        Merge merge(c.script, csv);
        const MergeCheck check = checkMerge(merge.document, merge.settings);
        std::vector<std::string> texts;
        for (const MergeProblem& p : check.problems)
            texts.push_back(p.text());
        EXPECT_EQ(texts, c.problems) << c.why;
        EXPECT_EQ(check.records, 3) << c.why;
    }
}

// A value that would close the literal or start a style prints as itself:
// the page is the one a hand-escaped script draws.
TEST(MergeCheck, ValuesDrawAsWritten) {
    Merge merge("DrawText(5,5,1,0,\"<B>${1}\");", "\"a \"\"quote\"\" <U>and\\ \r\nbreak\",x\n");
    merge.settings.csv.header = false;
    EXPECT_TRUE(checkMerge(merge.document, merge.settings).problems.empty());
    MergeRun run(merge.document, merge.settings);
    ASSERT_TRUE(run.next());
    FolioSession byHand;
    byHand.compile("DrawText(5,5,1,0,\"<B>a \\\"quote\\\" \\<U>and\\\\ \\nbreak\");");
    EXPECT_EQ(run.page().raster().bits, byHand.raster().bits);
    EXPECT_FALSE(run.next());
}

} // namespace
} // namespace quillset
