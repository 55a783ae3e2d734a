#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "document/FolioSession.h"
#include "document/ScriptPrinterReach.h"
#include "model/Reporter.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    return runOnDocument(invocation, [&](FolioSession& session, Reporter& reporter) {
        // What the script printer would get for a symbol it cannot draw is
        // no page Print sends.
        if (const auto refusal = scriptPrinterRefusal(session.objects())) {
            reporter.report(*refusal + '.');
            return false;
        }
        return writeOutput(invocation.value("-o"), session.printStream(), reporter);
    });
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
