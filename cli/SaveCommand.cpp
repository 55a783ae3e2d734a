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
    return session.save(invocation.positionals[1], reporter) ? 0 : 1;
}

} // namespace

const Command saveCommand = {
    "save", "FILE OUT", "Open FILE, then save it as OUT (code page 437, CR LF).", 2, {}, run,
};

} // namespace quillset::cli
