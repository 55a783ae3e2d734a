#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/StderrReporter.h"
#include "document/ScriptCheck.h"

#include <iostream>

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    StderrReporter reporter;
    std::string bytes;
    if (!readInput(invocation.positionals.front(), bytes, reporter))
        return 1;
    const std::vector<CheckFinding> findings = checkScript(bytes);
    for (const CheckFinding& f : findings)
        std::cout << f.line << ':' << f.column << ": " << f.reason << '\n';
    return findings.empty() ? 0 : 1;
}

} // namespace

const Command checkCommand = {
    "check",
    "FILE",
    "List the lines of FILE that are not drawn as written, as LINE:COLUMN: reason.",
    1,
    {},
    run,
};

} // namespace quillset::cli
