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
    // ${seq} of the n-th label printed (n from 0, copies counted) is
    // counterStart + n * counterStep: a record left out takes no number.
    long long counterStart = 1;
    long long counterStep = 1;
    // The moment the batch starts, which ${date} and ${time} show on every
    // label of it.
    std::time_t now = 0;
    std::vector<int> skippedRecords; // ascending
    // A character of a value that the printer lacks prints as the nearest it
    // has (NearCharacters); without this the record is a problem.
    bool replaceMissing = false;
};

} // namespace quillset
