#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "document/FolioSession.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    return runOnDocument(invocation, [&](FolioSession& session, Reporter& reporter) {
        return session.save(invocation.positionals[1], reporter);
    });
}

} // namespace

const Command saveCommand = {
    "save", "FILE OUT", "Open FILE, then save it as OUT (code page 437, CR LF).", 2, {}, run,
};

} // namespace quillset::cli
