#include "cli/Command.h"
#include "cli/InterruptWatch.h"
#include "cli/LanguageArguments.h"
#include "cli/MergeArguments.h"
#include "cli/PrintPipeline.h"
#include "cli/SerialOptions.h"
#include "cli/StderrReporter.h"
#include "cli/TargetOptions.h"
#include "language/PrintSource.h"
#include "language/PrinterLanguage.h"
#include "printer/PrintConnection.h"
#include "printer/PrintProgress.h"
#include "printer/PrintSummary.h"
#include "printer/PrintTransmission.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

#include <unistd.h>

namespace quillset::cli {

namespace {

// On a terminal the progress stays on one line, rewritten as it changes: a
// batch's by label, a page's by bytes.
void showProgressOnTerminal(PrintTransmission& transmission, const std::string& where) {
    const std::uint32_t rate = transmission.baudRate();
    const bool batch = transmission.source().count() > 1;
    QObject::connect(&transmission, &PrintTransmission::progressed,
                     [&transmission, where, rate, batch](qint64 sent, qint64 total) {
                         const auto done = static_cast<std::uint64_t>(sent);
                         const auto all = static_cast<std::uint64_t>(total);
                         std::cerr << '\r' << where << ": "
                                   << (batch ? progressText(transmission.position())
                                             : progressText(done, all, rate))
                                   << "\x1b[K" << std::flush;
                     });
    QObject::connect(&transmission, &PrintTransmission::finished, [] {
        std::cerr << '\n' << std::flush;
    });
}

int run(const Invocation& invocation) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);

    SerialPort port;
    PrinterSettings printer;
    PrintTarget target;
    if (!choosePrinter(invocation, port, printer, target))
        return 1;

    std::unique_ptr<PrintSource> source = printSourceOfFile(invocation, printer.language);
    if (!source)
        return 1;
    StderrReporter reporter;
    const std::unique_ptr<PrintTransmission> transmission =
        makeTransmission(target, port.baudRate, std::move(source), reporter);
    const std::string language(languageInfo(printer.language.language).label);
    const std::string where =
        printingTo(transmission->target().toStdString(), language, transmission->baudRate());
    const bool terminal = isatty(STDERR_FILENO);
    if (terminal)
        showProgressOnTerminal(*transmission, where);
    transmission->tellWayOn([](long long label) {
        return label > 1
                   ? "quillset-cli print ... --from-label " + std::to_string(label) + " goes on"
                   : std::string("The same quillset-cli print prints the batch");
    });
    if (!invocation.has("--no-status"))
        transmission->askPrinter(printer.language.language);
    if (!transmission->start())
        return 1;
    const InterruptWatch interrupt([&] { transmission->cancel(); });
    if (!transmission->wait() || !endedWhole(transmission->source()))
        return 1;
    if (terminal)
        std::cerr << sentSummary(static_cast<std::uint64_t>(transmission->total()),
                                 transmission->target().toStdString(), language)
                  << '\n';
    return 0;
}

} // namespace

const Command printCommand = {
    "print",
    "FILE [--to TARGET] [--language L] [--data DATA] [options]",
    "Open FILE and send it to the printer (the saved one unless --to says), with --data one "
    "label per record; Ctrl+C cancels.",
    1,
    withOptions(
        withOptions(
            withOptions(targetOptionSpecs(),
                        {{"--as-pane", "", "compile FILE (UTF-8) as typed into the script pane"},
                         {"--no-status", "", "do not ask the printer for its state"},
                         {"--from-label", "N",
                          "resume a batch at its label N, the counter and records going "
                          "on as if the labels before had printed"}}),
            languageOptionSpecs()),
        mergeOptionSpecs()),
    run,
};

} // namespace quillset::cli
