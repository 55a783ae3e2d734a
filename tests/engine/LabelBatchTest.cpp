#include "merge/LabelBatch.h"

#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace quillset {
namespace {

struct Data {
    explicit Data(const std::string& csv) {
        std::ofstream(path, std::ios::binary) << csv;
    }
    testing::TestFolder folder;
    std::string path = (folder / "quillset-label-batch.csv").string();
};

// Whether a batch goes on after its check, and how many labels it then
// makes: the records chosen less those left out, times the copies.
TEST(LabelBatch, GoesOnAsTheCheckAllows) {
    const std::string tooLong(200, 'x');
    const struct {
        std::string script;
        std::string csv;
        int firstRecord;
        bool leaveOutBad;
        bool goesOn;
        long long labels;
        const char* why;
    } cases[] = {
        {"DrawText(0,0,1,0,\"${name}\");", "name\nAnn\nBob\nCy\n", 1, false, true, 6,
         "nothing wrong: every record, twice"},
        {"DrawText(0,0,1,0,\"${name}\");", "name\nAnn\n" + tooLong + "\nCy\n", 1, false, false, 6,
         "a record with a problem stops the batch unless told to leave it out"},
        {"DrawText(0,0,1,0,\"${name}\");", "name\nAnn\n" + tooLong + "\nCy\n", 1, true, true, 4,
         "left out: the other two records, twice"},
        {"DrawText(0,0,1,0,\"${name}\");", "name\n" + tooLong + "\n", 1, true, false, 2,
         "nothing left to print"},
        {"DrawText(0,0,1,0,\"${nmae}\");", "name\nAnn\n", 1, true, false, 2,
         "a fault of the script spoils every label"},
        {"DrawText(0,0,1,0,\"${name}\");", "name\nAnn\n", 5, true, false, 0,
         "no record in the range chosen"},
    };
    for (const auto& c : cases) {
        Data data(c.csv);
        FolioSession document;
        document.compile(c.script);
        MergeSettings settings;
        settings.dataPath = data.path;
        settings.firstRecord = c.firstRecord;
        LabelBatch batch(document, settings, {.language = PrinterLanguage::Zpl, .copies = 2});
        EXPECT_EQ(batch.accept(c.leaveOutBad), c.goesOn) << c.why;
        EXPECT_EQ(batch.count(), c.labels) << c.why;
    }
}

// Each label is the page of its script filled by hand, in the printer's
// language, once: the copies are labels of their own, each numbered.
TEST(LabelBatch, LabelsAreThePagesOfTheirScripts) {
    Data data("name\nAnn\n" + std::string(199, 'x') + "\nCy\n");
    FolioSession document;
    document.compile("DrawText(0,0,1,0,\"${name} ${seq}\");");
    MergeSettings settings;
    settings.dataPath = data.path;
    const LanguageOptions zpl{.language = PrinterLanguage::Zpl, .copies = 2};
    LabelBatch batch(document, settings, zpl);
    ASSERT_TRUE(batch.accept(true));
    // Compiled from this moment, so that the batch alone holds the document.
    document.compile("DrawText(0,0,1,0,\"changed\");");

    const struct {
        int record;
        const char* script;
    } byHand[] = {{1, "DrawText(0,0,1,0,\"Ann 1\");"},
                  {1, "DrawText(0,0,1,0,\"Ann 2\");"},
                  {3, "DrawText(0,0,1,0,\"Cy 3\");"},
                  {3, "DrawText(0,0,1,0,\"Cy 4\");"}};
    LanguageOptions once = zpl;
    once.copies = 1;
    for (int i = 0; i < 4; ++i) {
        std::string bytes;
        ASSERT_TRUE(batch.next(bytes)) << i;
        EXPECT_EQ(batch.record(), byHand[i].record);
        EXPECT_EQ(batch.label(), i + 1);
        FolioSession page;
        page.compile(byHand[i].script);
        EXPECT_TRUE(bytes == printerBytes(page, once)) << byHand[i].script;
    }
    std::string none;
    EXPECT_FALSE(batch.next(none));
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(batch.fault());
}

// A batch resumed at a label makes the labels of the whole batch from that
// one on, as their scripts are filled by hand: the records and the counter
// go on past the labels passed over, copies included.
TEST(LabelBatch, ResumedAtALabelGoesOnAsTheWholeBatch) {
    Data data("name\nAnn\nBob\nCy\n");
    FolioSession document;
    document.compile("DrawText(0,0,1,0,\"${name} ${seq}\");");
    MergeSettings settings;
    settings.dataPath = data.path;
    settings.firstRecord = 2;
    settings.counterStart = 10;
    settings.counterStep = 5;
    // Records 2 and 3, twice each: Bob 10, Bob 15, Cy 20, Cy 25.
    const struct {
        long long first;
        std::vector<std::string> texts;
        const char* why;
    } cases[] = {
        {1, {"Bob 10", "Bob 15", "Cy 20", "Cy 25"}, "from the first: the whole batch"},
        {2, {"Bob 15", "Cy 20", "Cy 25"}, "between copies of a record: its page is made still"},
        {3, {"Cy 20", "Cy 25"}, "at a record: the one before passed over"},
        {4, {"Cy 25"}, "the last label alone"},
    };
    const LanguageOptions zpl{.language = PrinterLanguage::Zpl, .copies = 2};
    LanguageOptions once = zpl;
    once.copies = 1;
    for (const auto& c : cases) {
        LabelBatch batch(document, settings, zpl);
        ASSERT_TRUE(batch.accept(false));
        batch.startAt(c.first);
        EXPECT_EQ(batch.first(), c.first) << c.why;
        EXPECT_EQ(batch.count(), static_cast<long long>(c.texts.size())) << c.why;
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            std::string bytes;
            ASSERT_TRUE(batch.next(bytes)) << c.why;
            EXPECT_EQ(batch.label(), c.first + static_cast<long long>(i)) << c.why;
            FolioSession page;
            page.compile("DrawText(0,0,1,0,\"" + c.texts[i] + "\");");
            EXPECT_TRUE(bytes == printerBytes(page, once)) << c.why << ": " << c.texts[i];
        }
        std::string none;
        EXPECT_FALSE(batch.next(none)) << c.why;
    }
}

// Resumed at any label, between the copies of a record as at a record, the
// labels from there on are those of the whole batch: with a counter each
// copy its own number, without one each copy the record's page. Each label
// is checked against its page filled by hand.
TEST(LabelBatch, ResumedBetweenCopiesEachLabelIsItsOwn) {
    const std::string tooLong(200, 'x');
    const struct {
        const char* why;
        std::string csv;
        std::string script; // the text of the DrawText
        bool leaveOutBad;
        std::vector<std::string> texts; // every label of the whole batch
    } cases[] = {
        {"with a counter", "name\nAnn\nBob\n", "${name} ${seq}", false,
         {"Ann 1", "Ann 2", "Ann 3", "Bob 4", "Bob 5", "Bob 6"}},
        {"without a counter: the copies alike", "name\nAnn\nBob\n", "${name}", false,
         {"Ann", "Ann", "Ann", "Bob", "Bob", "Bob"}},
        {"the counter alone, no data file", "", "No. ${seq}", false,
         {"No. 1", "No. 2", "No. 3"}},
        {"neither data nor counter", "", "Same", false, {"Same", "Same", "Same"}},
        {"a record left out takes no number", "name\nAnn\n" + tooLong + "\nCy\n",
         "${name} ${seq}", true, {"Ann 1", "Ann 2", "Ann 3", "Cy 4", "Cy 5", "Cy 6"}},
        {"a record left out, without a counter", "name\nAnn\n" + tooLong + "\nCy\n", "${name}",
         true, {"Ann", "Ann", "Ann", "Cy", "Cy", "Cy"}},
    };
    const LanguageOptions tspl{.language = PrinterLanguage::Tspl, .copies = 3};
    LanguageOptions once = tspl;
    once.copies = 1;
    for (const auto& c : cases) {
        Data data(c.csv);
        FolioSession document;
        document.compile("DrawText(0,0,1,0,\"" + c.script + "\");");
        MergeSettings settings;
        if (!c.csv.empty())
            settings.dataPath = data.path;
        const auto total = static_cast<long long>(c.texts.size());
        for (long long first = 1; first <= total; ++first) {
            SCOPED_TRACE(std::string(c.why) + ", from label " + std::to_string(first));
            LabelBatch batch(document, settings, tspl);
            ASSERT_TRUE(batch.accept(c.leaveOutBad));
            batch.startAt(first);
            EXPECT_EQ(batch.first(), first);
            EXPECT_EQ(batch.count(), total - first + 1);
            for (long long label = first; label <= total; ++label) {
                const std::string& text = c.texts[static_cast<std::size_t>(label - 1)];
                std::string bytes;
                ASSERT_TRUE(batch.next(bytes)) << text;
                EXPECT_EQ(batch.label(), label);
                FolioSession page;
                page.compile("DrawText(0,0,1,0,\"" + text + "\");");
                EXPECT_TRUE(bytes == printerBytes(page, once)) << "label " << label << ": " << text;
            }
            std::string none;
            EXPECT_FALSE(batch.next(none));
        }
    }
}

} // namespace
} // namespace quillset
