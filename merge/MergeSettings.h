#pragma once

#include "merge/CsvReader.h"

#include <ctime>
#include <limits>
#include <string>
#include <vector>

namespace quillset {

// What a merge reads and how it numbers its labels.
struct MergeSettings {
    std::string dataPath; // empty: no data file, one label per copy
    CsvOptions csv;
    int firstRecord = 1; // the chosen records, numbered from 1 after the header
    int lastRecord = std::numeric_limits<int>::max();
    int copies = 1;
    // ${seq} of the n-th label of the chosen records (n from 0, copies
    // counted) is counterStart + n * counterStep. A record left out keeps its
    // numbers, so each label carries the number the check saw.
    long long counterStart = 1;
    long long counterStep = 1;
    std::time_t now = 0;             // the moment ${date} and ${time} show
    std::vector<int> skippedRecords; // ascending
};

} // namespace quillset
