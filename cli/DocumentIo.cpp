#include "cli/DocumentIo.h"

#include "cli/Invocation.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/ScriptFile.h"
#include "model/Reporter.h"

#include <cstdio>
#include <iostream>
#include <iterator>

namespace quillset::cli {

bool readInput(const std::string& file, std::string& bytes, Reporter& reporter) {
    if (file != "-")
        return readScriptFile(file, bytes, reporter);
    bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
    if (std::cin.bad()) {
        reporter.report(kOpenForReadFailed);
        return false;
    }
    return true;
}

bool loadDocument(const Invocation& invocation, FolioSession& session, Reporter& reporter) {
    std::string bytes;
    if (!readInput(invocation.positionals.front(), bytes, reporter))
        return false;
    if (invocation.has("--as-pane")) {
        session.compile(bytes, reporter);
        return true;
    }
    session.openBytes(bytes, reporter);
    return true;
}

int runOnDocument(const Invocation& invocation,
                  const std::function<bool(FolioSession&, Reporter&)>& command) {
    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    return loadDocument(invocation, session, reporter) && command(session, reporter) ? 0 : 1;
}

bool writeOutput(const std::optional<std::string>& path, std::string_view bytes,
                 Reporter& reporter) {
    return writeOutputFrom(
        path, [bytes](const FileAppend& append) { return append(bytes); }, reporter);
}

bool writeOutputFrom(const std::optional<std::string>& path,
                     const std::function<bool(const FileAppend&)>& produce, Reporter& reporter) {
    if (path && *path != "-")
        return writeFileFrom(*path, produce, reporter);
    bool written = true;
    const bool produced = produce([&](std::string_view bytes) {
        written = written && std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        return written;
    });
    const bool ok = written && std::fflush(stdout) == 0;
    if (!ok)
        reporter.report(kWriteFailed);
    return produced && ok;
}

} // namespace quillset::cli
