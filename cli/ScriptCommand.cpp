#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "document/FolioSession.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    return runOnDocument(invocation, [](FolioSession& session, Reporter& reporter) {
        return writeOutput(std::nullopt, session.script(), reporter);
    });
}

} // namespace

const Command scriptCommand = {
    "script", "FILE", "Open FILE and print the document's script (UTF-8).", 1, {}, run,
};

} // namespace quillset::cli
