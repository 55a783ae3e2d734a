#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/ObjectsJson.h"
#include "document/FolioSession.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    return runOnDocument(invocation, [](FolioSession& session, Reporter& reporter) {
        return writeOutput(std::nullopt,
                           objectsJson(session.settings(), session.objects(), session.keptLines()),
                           reporter);
    });
}

} // namespace

const Command objectsCommand = {
    "objects",
    "FILE [--as-pane]",
    "Open FILE and list the page settings and objects as JSON.",
    1,
    {{"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"}},
    run,
};

} // namespace quillset::cli
