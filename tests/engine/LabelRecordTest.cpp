#include "merge/LabelRecord.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(LabelRecord, TheRecordALabelIsMadeFrom) {
    const struct {
        const char* why;
        int firstRecord;
        int copies;
        std::vector<int> skipped;
        long long label;
        int record;
    } cases[] = {
        {"every record, one copy", 1, 1, {}, 5, 5},
        {"records from the 2nd on", 2, 1, {}, 5, 6},
        {"two left out before it", 1, 1, {2, 4}, 5, 7},
        {"left out after it change nothing", 1, 1, {9, 12}, 5, 5},
        {"left out right where it would be", 1, 1, {5}, 5, 6},
        {"a run left out", 1, 1, {3, 4, 5, 6}, 3, 7},
        {"left out before the first chosen count not", 4, 1, {2, 3, 5}, 2, 6},
        {"three copies: labels 4-6 are the 2nd record", 1, 3, {}, 6, 2},
        {"copies and records left out", 3, 2, {4}, 3, 5},
        {"the first label", 7, 1, {7}, 1, 8},
    };
    for (const auto& c : cases) {
        MergeSettings settings;
        settings.firstRecord = c.firstRecord;
        settings.copies = c.copies;
        settings.skippedRecords = c.skipped;
        EXPECT_EQ(labelRecord(settings, c.label), c.record) << c.why;
    }
}

} // namespace
} // namespace quillset
