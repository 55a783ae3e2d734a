#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/PrintPipeline.h"
#include "cli/StderrReporter.h"
#include "document/ScriptCheck.h"
#include "language/LanguageOptions.h"
#include "merge/LabelBatch.h"
#include "model/PageSettings.h"

#include <iostream>

namespace quillset::cli {

namespace {

// The check Print runs before a batch, alone.
int checkMergeOnly(const Invocation& invocation) {
    return checkedBatch(invocation, LanguageOptions{}, std::cout) ? 0 : 1;
}

int run(const Invocation& invocation) {
    if (invocation.has("--data"))
        return checkMergeOnly(invocation);
    StderrReporter reporter;
    std::string bytes;
    if (!readInput(invocation.positionals.front(), bytes, reporter))
        return 1;
    PageSettings page;
    page.reset(invocation.printerType);
    // A note (a family drawn with another) is told but does not fail the
    // check: the line prints, only not as its author may think.
    bool problems = false;
    for (const CheckFinding& f : checkScript(bytes, page)) {
        std::cout << f.line << ':' << f.column << ": " << (f.note ? "note: " : "") << f.reason
                  << '\n';
        problems = problems || !f.note;
    }
    return problems ? 1 : 0;
}

} // namespace

const Command checkCommand = {
    "check",
    "FILE [--data DATA]",
    "List the lines of FILE that are not drawn as written, as LINE:COLUMN: reason; with --data, "
    "every "
    "record's problems as Print finds them.",
    1,
    {{"--data", "DATA", "check each record of DATA in the page, as Print does before a batch"},
     {"--delimiter", "D", "comma, semicolon, tab or a character (default: found from line 1)"},
     {"--no-header", "", "DATA's first line is a record: fields are ${1}, ${2}, ..."},
     {"--records", "A-B", "only records A to B (counted from 1 after the header)"},
     {"--replace-missing", "",
      "with --data: the nearest character the printer has stands for one it lacks, as a note"},
     {"--as-pane", "", "with --data: compile FILE (UTF-8) as typed into the script pane"}},
    run,
};

} // namespace quillset::cli
