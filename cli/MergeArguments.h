#pragma once

#include "cli/Invocation.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {
class FolioSession;
struct LanguageOptions;
struct MergeSettings;
} // namespace quillset

namespace quillset::cli {

// --data, --delimiter, --no-header, --records, --seq-start, --seq-step,
// --skip-bad.
const std::vector<OptionSpec>& mergeOptionSpecs();

// Reads them into `settings` (and `now` for dates); says what is wrong on
// standard error.
bool applyMergeOptions(const Invocation& invocation, MergeSettings& settings);

// Whether the command makes its pages from a merge: --data is given, or the
// script holds fields (a counter or a date needs no data file; a column
// without one is refused by the check).
bool merges(const Invocation& invocation, const FolioSession& session);

// The check before any label is made: each problem one a line on `out`, its
// line numbers those of FILE (`fileLines[n - 1]` for the script's line n).
// Returns whether to go on: nothing is wrong, or --skip-bad is given and some
// records are fine; those with problems then go to the settings' skipped
// records.
bool checkFirst(const Invocation& invocation, const FolioSession& session, MergeSettings& settings,
                const std::vector<int>& fileLines, std::ostream& out);

// The bytes of every label one after the other, in the language of
// `options` (whose copies the merge has taken over), or nothing when the
// data file stopped reading (said on standard error).
std::optional<std::string> mergedPrinterBytes(const FolioSession& session,
                                              const MergeSettings& settings,
                                              const LanguageOptions& options);

} // namespace quillset::cli
