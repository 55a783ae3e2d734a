#include "merge/MergeCheck.h"
#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "merge/MergeRun.h"
#include "raster/PageRaster.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quillset {

namespace {

struct Merge {
    Merge(const std::string& script, const std::string& csv) {
        settings.dataPath = (folder / "quillset-merge-check.csv").string();
        std::ofstream(settings.dataPath, std::ios::binary) << csv;
        document.compile(script);
    }
    testing::TestFolder folder;
    FolioSession document;
    MergeSettings settings;
};

TEST(MergeCheck, NamesRecordAndLine) {
    const std::string csv =
        "name,code\nAnn,5901234123457\n" + std::string(190, 'x') + ",9\nZo\xC5\x91,4\n";
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

std::vector<std::string> textsOf(const MergeCheck& check) {
    std::vector<std::string> texts;
    for (const MergeProblem& p : check.problems)
        texts.push_back(p.text());
    return texts;
}

// One row under the header "name;tracking;address" and what the check says
// of it, with and without the nearest characters.
TEST(MergeCheck, EachRowAndItsProblem) {
    const std::string script = "DrawText(0,0,1,0,\"${name} ${address}\");\n"
                               "DrawBarcode(0,40,0,1,2,40,\"\xC3\xAA${tracking}\");\n";
    const std::string header = "name;tracking;address\r\n";
    const struct {
        const char* why;
        std::string row;
        bool replace;
        std::string problem; // after "record 1 (quillset-merge-check.csv line 2): "
        std::string note;
    } cases[] = {
        {"all three fields", "Ann;QS1;1 Main St", false, "", ""},
        {"a short row would print blanks", "Ann;QS1", false,
         "2 fields where the header has 3; address is missing", ""},
        {"one field of three", "Ann", false,
         "1 field where the header has 3; tracking, address are missing", ""},
        {"a long row has split a value", "Ann;QS1;1 Main St;Bath", false,
         "4 fields where the header has 3; the last has no column (a value with ';' in it needs "
         "quotes)",
         ""},
        {"two fields too many", "Ann;QS1;1;Main St;Bath", false,
         "5 fields where the header has 3; the last 2 have no column (a value with ';' in it "
         "needs quotes)",
         ""},
        {"an empty last field is a field", "Ann;QS1;", false, "", ""},
        {"a quoted delimiter splits nothing", "\"Ann; Bob\";QS1;x", false, "", ""},
        {"a character the printer lacks", "\xC5\x81ukasz;QS1;x", false,
         "${name} holds '\xC5\x81ukasz': '\xC5\x81' is not in the printer's character set", ""},
        {"... printed as the nearest", "\xC5\x81ukasz;QS1;x", true, "",
         "${name}: '\xC5\x81' printed as 'L'"},
        {"code page 437 has \xC3\xA9, \xC3\xBC and \xC3\xB1",
         "Jos\xC3\xA9 M\xC3\xBCller Pe\xC3\xB1"
         "a;QS1;x",
         true, "", ""},
        {"Code 128 has no \xC3\xA9", "Ann;QS\xC3\xA9;x", true,
         "${tracking} holds 'QS\xC3\xA9': '\xC3\xA9' is not in Code 128", ""},
        {"a barcode's character the printer lacks", "Ann;QS\xC5\x81;x", false,
         "${tracking} holds 'QS\xC5\x81': '\xC5\x81' is not in the printer's character set", ""},
        {"... printed as one Code 128 has", "Ann;QS\xC5\x81;x", true, "",
         "${tracking}: '\xC5\x81' printed as 'L'"},
        {"nothing near", "Ann \xF0\x9F\x98\x80;QS1;x", true,
         "${name} holds 'Ann \xF0\x9F\x98\x80': '\xF0\x9F\x98\x80' is not in the printer's "
         "character set, nor anything near",
         ""},
        {"the longest value is to blame", "Ann;QS1;" + std::string(196, 'x'), false,
         "${address} makes the text 200 characters long; 199 fit", ""},
        {"199 fit", "Ann;QS1;" + std::string(195, 'x'), false, "", ""},
        {"a line break in a value is no row's end", "Ann;QS1;\"1 Main St\r\nBath\"", false, "", ""},
    };
    for (const auto& c : cases) {
        Merge merge(script, header + c.row + "\r\n");
        merge.settings.replaceMissing = c.replace;
        const MergeCheck check = checkMerge(merge.document, merge.settings);
        const std::string place = "record 1 (quillset-merge-check.csv line 2): ";
        EXPECT_EQ(textsOf(check),
                  c.problem.empty() ? std::vector<std::string>{} : std::vector{place + c.problem})
            << c.why;
        EXPECT_EQ(check.notes,
                  c.note.empty() ? std::vector<std::string>{} : std::vector{place + c.note})
            << c.why;
    }
}

// A symbol's data is checked once its fields are filled, in the encoder's
// words after the values to blame.
// Records one after the other in one file, each told only of itself: a clean
// record after one with a problem, two in a row that print nearest
// characters, a short row after full ones.
TEST(MergeCheck, EachRecordInARowIsToldOfItselfOnly) {
    const std::vector<std::string> rows = {
        "Ann \xF0\x9F\x98\x80;Bath",
        "Bob;Leeds",
        "\xC5\x81ukasz;\xC5\x81\xC3\xB3"
        "d\xC5\xBA",
        "\xC3\x98yvind;H\xC3\xA0 N\xE1\xBB\x99i",
        "Cy",
        "Dee;York",
    };
    std::string csv = "name;city\n";
    for (const std::string& row : rows)
        csv += row + "\n";
    Merge merge("DrawText(0,0,1,0,\"${name} ${city}\");", csv);
    merge.settings.replaceMissing = true;
    const MergeCheck check = checkMerge(merge.document, merge.settings);
    const auto place = [](int record) {
        return "record " + std::to_string(record) + " (quillset-merge-check.csv line " +
               std::to_string(record + 1) + "): ";
    };
    EXPECT_EQ(textsOf(check),
              (std::vector<std::string>{
                  place(1) + "${name} holds 'Ann \xF0\x9F\x98\x80': '\xF0\x9F\x98\x80' is not in "
                             "the printer's character set, nor anything near",
                  place(5) + "1 field where the header has 2; city is missing"}));
    EXPECT_EQ(check.notes,
              (std::vector<std::string>{
                  place(3) + "${name}: '\xC5\x81' printed as 'L'",
                  place(3) + "${city}: '\xC5\x81' printed as 'L', '\xC5\xBA' printed as 'z'",
                  place(4) + "${name}: '\xC3\x98' printed as 'O'",
                  place(4) + "${city}: '\xE1\xBB\x99' printed as 'o'"}));
    EXPECT_EQ(check.records, 6);
    EXPECT_EQ(check.badRecords(), (std::vector<int>{1, 5}));
}

TEST(MergeCheck, FilledSymbolDataIsEncoded) {
    const std::string script = "DrawSymbol(0,0,0,2,4,1,\"(01)${gtin}(10)${lot}\");\n";
    const struct {
        const char* why;
        std::string row;
        std::string problem; // after "record 1 (quillset-merge-check.csv line 2): "
    } cases[] = {
        {"a GS1 Data Matrix that encodes", "09501101530003;A1", ""},
        {"a wrong check digit", "09501101530004;A1",
         "${gtin} holds '09501101530004', ${lot} holds 'A1': Data Matrix: AI (01) position 14: "
         "Bad checksum '4', expected '3'"},
        {"a character GS1 lacks", "09501101530003;\xC3\xA9",
         "${gtin} holds '09501101530003', ${lot} holds '\xC3\xA9': Data Matrix: '\xC3\xA9' "
         "cannot be encoded in GS1 mode"},
    };
    for (const auto& c : cases) {
        Merge merge(script, "gtin;lot\r\n" + c.row + "\r\n");
        const MergeCheck check = checkMerge(merge.document, merge.settings);
        const std::string place = "record 1 (quillset-merge-check.csv line 2): ";
        EXPECT_EQ(textsOf(check),
                  c.problem.empty() ? std::vector<std::string>{} : std::vector{place + c.problem})
            << c.why;
    }
}

// A file without a header has the columns of its first record.
TEST(MergeCheck, RowsOfAFileWithoutHeader) {
    Merge merge("DrawText(0,0,1,0,\"${1} ${3}\");", "a,b,c\nd,e\nf,g,h,i\n");
    merge.settings.csv.header = false;
    EXPECT_EQ(textsOf(checkMerge(merge.document, merge.settings)),
              (std::vector<std::string>{
                  "record 2 (quillset-merge-check.csv line 2): 2 fields where record 1 has 3; "
                  "${3} is missing",
                  "record 3 (quillset-merge-check.csv line 3): 4 fields where record 1 has 3; the "
                  "last has no column (a value with ',' in it needs quotes)"}));
}

// ${seq} of each label against the numbers worked out by hand: a record left
// out takes none, every copy takes one.
TEST(MergeCheck, NumbersTheLabelsPrinted) {
    struct Batch {
        int first, last, copies;
        long long start, step;
    };
    const struct {
        Batch batch;
        std::vector<int> skipped;
        std::vector<std::string> labels;
        const char* why;
    } cases[] = {
        {{1, 5, 1, 1, 1}, {}, {"r1 1", "r2 2", "r3 3", "r4 4", "r5 5"}, "one each"},
        {{2, 4, 2, 100, 10},
         {},
         {"r2 100", "r2 110", "r3 120", "r3 130", "r4 140", "r4 150"},
         "a range starts at the start"},
        {{1, 5, 1, 1, 1}, {2, 4}, {"r1 1", "r3 2", "r5 3"}, "records left out take no number"},
        {{3, 5, 1, 0, 1}, {3}, {"r4 0", "r5 1"}, "the first of the range left out"},
        {{2, 5, 3, 7, -2},
         {3},
         {"r2 7", "r2 5", "r2 3", "r4 1", "r4 -1", "r4 -3", "r5 -5", "r5 -7", "r5 -9"},
         "copies, a step down past zero and a record left out"},
    };
    for (const auto& c : cases) {
        Merge merge("DrawText(0,0,1,0,\"${id} ${seq}\");", "id\nr1\nr2\nr3\nr4\nr5\n");
        merge.settings.firstRecord = c.batch.first;
        merge.settings.lastRecord = c.batch.last;
        merge.settings.copies = c.batch.copies;
        merge.settings.counterStart = c.batch.start;
        merge.settings.counterStep = c.batch.step;
        merge.settings.skippedRecords = c.skipped;
        std::vector<std::string> labels;
        MergeRun run(merge.document, merge.settings);
        while (run.next())
            labels.push_back(run.page().script());
        std::vector<std::string> byHand;
        for (const std::string& label : c.labels)
            byHand.push_back("DrawText(0,0,1,0,\"" + label + "\");");
        EXPECT_EQ(labels, byHand) << c.why;
    }
}

// The check numbers the labels as they print without the bad records: here
// the 9 that record 2 prints fits where a 10 would not.
TEST(MergeCheck, ChecksTheNumbersThatPrint) {
    const std::string pad(198, 'x');
    Merge merge("DrawText(0,0,1,0,\"${pad}${seq}\");", "pad,more\nshort\n" + pad + ",y\n");
    merge.settings.counterStart = 9;
    const MergeCheck check = checkMerge(merge.document, merge.settings);
    EXPECT_EQ(check.badRecords(), std::vector<int>{1});
    merge.settings.skippedRecords = check.badRecords();
    MergeRun run(merge.document, merge.settings);
    ASSERT_TRUE(run.next());
    EXPECT_EQ(run.page().script(), "DrawText(0,0,1,0,\"" + pad + "9\");");
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

// Each problem names the script lines it comes from, so the page view can
// outline their objects: a field on two lines is told once, on both; a row
// of the wrong shape is the record's own, on no line.
TEST(MergeCheck, ProblemsNameTheirScriptLines) {
    Merge merge("DrawText(0,0,1,0,\"${name}\");\n// ${name}\nDrawRectangle(0,0,9,9,1,1);\n"
                "DrawText(0,40,1,0,\"to ${name}\");\nDrawText(0,80,1,0,\"${code}\");\n",
                "name,code\nAnn,12\n\xC5\x81ukasz,\xC5\x81\nBo\n");
    const MergeCheck check = checkMerge(merge.document, merge.settings);
    ASSERT_EQ(check.problems.size(), 3u);
    EXPECT_EQ(check.problems[0].record, 2);
    EXPECT_EQ(check.problems[0].lines, (std::vector<int>{1, 4})) << check.problems[0].reason;
    EXPECT_EQ(check.problems[1].lines, (std::vector<int>{5})) << check.problems[1].reason;
    EXPECT_EQ(check.problems[2].record, 3);
    EXPECT_TRUE(check.problems[2].lines.empty()) << check.problems[2].reason;
}

// A font text prints each record's own characters: no nearest character,
// no note of one; what no installed font has and a name too long for its
// width even at the smallest size are problems of their records.
TEST(MergeCheck, FontTextsTakeTheRecordsCharactersAsWritten) {
    const std::string wide(120, 'W');
    std::string longName;
    for (int i = 0; i < 250; ++i)
        longName += "\xC5\x81";
    Merge merge("DrawFontText(0,0,1,0,40,0,0,300,\"\",\"${name}\");",
                "name\n\xC5\x81ukasz\nNguy\xE1\xBB\x85n V\xC4\x83n An\n"
                "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E\n" +
                    wide + "\n" + longName + "\n");
    merge.settings.replaceMissing = true;
    const MergeCheck check = checkMerge(merge.document, merge.settings);
    ASSERT_EQ(check.problems.size(), 3u);
    EXPECT_EQ(check.problems[0].text(),
              "record 3 (quillset-merge-check.csv line 4): ${name} holds "
              "'\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E': '\xE7\x8E\x8B', '\xE5\xB0\x8F', "
              "'\xE6\x98\x8E': no installed font has them");
    EXPECT_EQ(check.problems[1].text().rfind("record 4 (quillset-merge-check.csv line 5): ", 0),
              0u);
    EXPECT_NE(check.problems[1].text().find("wider than 300 dots even at size 6"),
              std::string::npos);
    EXPECT_EQ(check.problems[2].text(), "record 5 (quillset-merge-check.csv line 6): ${name} "
                                        "makes the text 250 characters long; 199 fit");
    EXPECT_TRUE(check.notes.empty());

    MergeRun run(merge.document, merge.settings);
    for (const char* name : {"\\u{141}ukasz", "Nguy\\u{1EC5}n V\\u{103}n An"}) {
        ASSERT_TRUE(run.next());
        FolioSession byHand;
        RecordingReporter reporter;
        byHand.openBytes(std::string("DrawFontText(0,0,1,0,40,0,0,300,\"\",\"") + name + "\");\r\n",
                         reporter);
        EXPECT_EQ(run.page().raster().bits, byHand.raster().bits) << name;
    }
}

TEST(MergeCheck, AFamilyNotInstalledIsANoteOfThePage) {
    Merge merge("\nDrawFontText(0,0,1,0,24,0,0,0,\"Arial\",\"${name}\");", "name\nAnn\n");
    const MergeCheck check = checkMerge(merge.document, merge.settings);
    EXPECT_TRUE(check.problems.empty());
    EXPECT_EQ(check.notes,
              std::vector<std::string>{"line 2: 'Arial' is not installed; drawn with DejaVu Sans"});
}

} // namespace
} // namespace quillset
