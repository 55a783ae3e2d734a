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
    return writeOutput(std::nullopt, session.script(), reporter) ? 0 : 1;
}

} // namespace

const Command scriptCommand = {
    "script", "FILE", "Open FILE and print the document's script (UTF-8).", 1, {}, run,
};

} // namespace quillset::cli
