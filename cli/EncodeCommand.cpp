#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/LanguageArguments.h"
#include "cli/MergeArguments.h"
#include "cli/PrintPipeline.h"
#include "cli/StderrReporter.h"
#include "language/PrintSource.h"
#include "language/PrinterLanguage.h"

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    LanguageOptions options;
    if (!applyLanguageOptions(invocation, options))
        return 1;
    // Label by label into the file: a long batch is never held whole.
    StderrReporter reporter;
    const auto produce = [&](const FileAppend& append) {
        const std::unique_ptr<PrintSource> source = printSourceOfFile(invocation, options);
        if (!source)
            return false;
        std::string page;
        while (source->next(page)) {
            if (!append(page))
                return false;
            page.clear();
        }
        return endedWhole(*source);
    };
    return writeOutputFrom(invocation.value("-o"), produce, reporter) ? 0 : 1;
}

} // namespace

const Command encodeCommand = {
    "encode",
    "FILE --language L [options] [-o OUT]",
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
