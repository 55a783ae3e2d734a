#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/LanguageArguments.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "printer/engine/PrinterLanguage.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    LanguageOptions options;
    if (!applyLanguageOptions(invocation, options))
        return 1;
    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    if (!loadDocument(invocation, session, reporter))
        return 1;
    return writeOutput(invocation.value("-o"), printerBytes(session, options), reporter) ? 0 : 1;
}

} // namespace

const Command encodeCommand = {
    "encode",
    "FILE --language script|escpos|zpl [options] [-o OUT]",
    "Open FILE and write the bytes Print sends in the printer's language.",
    1,
    withOptions({{"-o", "OUT", "write to OUT instead of standard output"},
                 {"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"}},
                languageOptionSpecs()),
    run,
};

} // namespace quillset::cli
