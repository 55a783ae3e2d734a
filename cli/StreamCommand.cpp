#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    if (!loadDocument(invocation, session, reporter))
        return 1;
    return writeOutput(invocation.value("-o"), session.printStream(), reporter) ? 0 : 1;
}

} // namespace

const Command streamCommand = {
    "stream",
    "FILE [-o OUT]",
    "Open FILE and write the bytes Print sends to the printer.",
    1,
    {{"-o", "OUT", "write to OUT instead of standard output"}},
    run,
};

} // namespace quillset::cli
