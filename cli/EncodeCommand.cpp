#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/LanguageArguments.h"
#include "cli/MergeArguments.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "merge/MergeSettings.h"
#include "printer/engine/PrinterLanguage.h"

#include <iostream>

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    LanguageOptions options;
    MergeSettings merge;
    if (!applyLanguageOptions(invocation, options) || !applyMergeOptions(invocation, merge))
        return 1;
    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    std::vector<int> fileLines;
    if (!loadDocument(invocation, session, reporter, &fileLines))
        return 1;
    if (!merges(invocation, session))
        return writeOutput(invocation.value("-o"), printerBytes(session, options), reporter) ? 0
                                                                                             : 1;
    merge.copies = std::exchange(options.copies, 1);
    if (!checkFirst(invocation, session, merge, fileLines, std::cerr))
        return 1;
    const auto bytes = mergedPrinterBytes(session, merge, options);
    return bytes && writeOutput(invocation.value("-o"), *bytes, reporter) ? 0 : 1;
}

} // namespace

const Command encodeCommand = {
    "encode",
    "FILE --language script|escpos|zpl [options] [-o OUT]",
    "Open FILE and write the bytes Print sends in the printer's language; with --data every "
    "record's label in one stream.",
    1,
    withOptions(
        withOptions({{"-o", "OUT", "write to OUT instead of standard output"},
                     {"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"}},
                    languageOptionSpecs()),
        mergeOptionSpecs()),
    run,
};

} // namespace quillset::cli
