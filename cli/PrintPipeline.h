#pragma once

#include "cli/Invocation.h"

#include <iosfwd>
#include <memory>

namespace quillset {
class LabelBatch;
class PrintSource;
struct LanguageOptions;
} // namespace quillset

namespace quillset::cli {

// What check, render, encode and print make of FILE, as Print does: FILE
// loaded as File > Open or the script pane would, with the merge options;
// then its page, or the batch of its labels once their check lets them
// print. Each step says on standard error why it stops.

// FILE's batch of labels in the language of `options`, whose copies it
// takes, its check told on `out`: each problem, then each note, one a line,
// lines of the script numbered as the script pane numbers them. Null when
// FILE or an option does not read, or the check stops the batch: it goes on
// when nothing is wrong, or when --skip-bad is given and some records are
// fine, those with problems then left out.
std::unique_ptr<LabelBatch> checkedBatch(const Invocation& invocation,
                                         const LanguageOptions& options, std::ostream& out);

// What Print sends for FILE in the language of `options`: its page with
// the copies, or when it merges (--data is given, or the script holds fields
// or "$${": a counter or a date needs no data file) every label of its
// checked batch. Null as checkedBatch.
std::unique_ptr<PrintSource> printSourceOfFile(const Invocation& invocation,
                                               const LanguageOptions& options);

// Whether `source` made its last page; says on standard error why not.
bool endedWhole(const PrintSource& source);

} // namespace quillset::cli
