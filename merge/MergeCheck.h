#pragma once

#include "merge/MergeSettings.h"

#include <string>
#include <vector>

namespace quillset {

class FolioSession;

// Something that would make a label come out wrong. `record` is 0 where the
// script or the data file as a whole is at fault.
struct MergeProblem {
    int record;
    // Where it is: "record 18 (orders.csv line 20)" for a record, "line 9"
    // for a line of the script as the script pane numbers it, or nothing.
    std::string place;
    std::string reason;
    // The script lines a record's problem comes from, as the script pane
    // numbers them; none when it is the record's row itself.
    std::vector<int> lines;
    // "place: reason", or the reason alone.
    std::string text() const;
    bool operator==(const MergeProblem&) const = default;
};

struct MergeCheck {
    std::vector<MergeProblem> problems;
    // Worth telling, though every label prints as it should: the characters
    // printed as the nearest the printer has, "record 3 (orders.csv line 5):
    // ${name}: 'Ł' printed as 'L'".
    std::vector<std::string> notes;
    int records = 0;         // the chosen records found in the data file
    bool unreadable = false; // the data file does not read: nothing may print
    // Some character a problem names has a near one: replacing the missing
    // characters would print it.
    bool nearAvailable = false;

    // The records with problems, ascending, once each.
    std::vector<int> badRecords() const;
    // Whether anything prints when the bad records are left out.
    bool printable() const;
};

// Checks every label of a merge before anything prints: the fields that
// cannot be filled; each chosen record's fields against the header (a row
// with fewer or more never prints); and for each line with fields, the
// filled line as Compile reads it (a literal past 199 characters), the
// barcode data as its symbology takes it, and the characters of the values
// that the printer's character set lacks. Labels are numbered as they will
// print when the records with problems are left out. The data file is read
// to its end, as a stream.
MergeCheck checkMerge(const FolioSession& document, const MergeSettings& settings);

} // namespace quillset
