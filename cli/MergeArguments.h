#pragma once

#include "cli/Invocation.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/FolioSession.h"
#include "document/ScriptFile.h"
#include "merge/MergeSettings.h"

namespace quillset {
struct LanguageOptions;
} // namespace quillset

namespace quillset::cli {

// --data, --delimiter, --no-header, --records, --seq-start, --seq-step,
// --skip-bad, --replace-missing.
const std::vector<OptionSpec>& mergeOptionSpecs();

// FILE opened for a merge: the document and the merge's settings from the
// options.
struct MergeDocument {
    explicit MergeDocument(int printerType)
        : session(printerType) {}
    FolioSession session;
    MergeSettings settings;
};

// Reads the merge options and FILE; false, said on standard error, when
// either does not read.
bool loadMergeDocument(const Invocation& invocation, MergeDocument& document);

// Whether the command makes its pages from a merge: --data is given, or the
// script holds fields or "$${" (a counter or a date needs no data file; a column
// without one is refused by the check).
bool merges(const Invocation& invocation, const FolioSession& session);

// The check before any label is made: each problem, then each note, one a
// line on `out`, lines of the script numbered as the script pane numbers
// them. Returns whether to go on: nothing is wrong, or
// --skip-bad is given and some records are fine; those with problems then go
// to the settings' skipped records.
bool checkFirst(const Invocation& invocation, MergeDocument& document, std::ostream& out);

// What Print sends for FILE in the language of `options`, handed to
// `append` a label at a time: its page, or for a merge every label after the
// check (the merge takes over the copies). False when FILE, an option or the
// data does not read, the check stops the batch (the reason is on standard
// error) or `append` fails.
bool appendPrinterBytesOfFile(const Invocation& invocation, LanguageOptions options,
                              const FileAppend& append);

} // namespace quillset::cli
