#pragma once

#include "merge/MergeSettings.h"

#include <string>
#include <vector>

namespace quillset {

class FolioSession;

// Something that would make a label come out wrong. `record` is 0 where the
// script or the data file as a whole is at fault, `line` (the script's) 0
// where no line is.
struct MergeProblem {
    int record;
    int line;
    std::string reason;
    // "record 17, line 5: reason", "line 5: reason" or the reason alone.
    std::string text() const;
    bool operator==(const MergeProblem&) const = default;
};

struct MergeCheck {
    std::vector<MergeProblem> problems;
    // Worth telling, but no label comes out wrong for it (extra fields).
    std::vector<std::string> notes;
    int records = 0;         // the chosen records found in the data file
    bool unreadable = false; // the data file does not read: nothing may print

    // The records with problems, ascending, once each.
    std::vector<int> badRecords() const;
    // Whether anything prints when the bad records are left out.
    bool printable() const;
};

// Checks every label of a merge before anything prints: the fields that
// cannot be filled, and for each chosen record and each line with fields,
// the filled line as Compile reads it (a literal past 199 characters), the
// barcode data as its symbology takes it, and the characters of the values
// that the printer's character set lacks. The data file is read to its end,
// as a stream.
MergeCheck checkMerge(const FolioSession& document, const MergeSettings& settings);

} // namespace quillset
