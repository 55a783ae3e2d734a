#include "cli/Command.h"
#include "cli/LanguageArguments.h"
#include "cli/SerialOptions.h"
#include "cli/TargetOptions.h"
#include "language/PrinterLanguage.h"
#include "printer/PrinterEnquiry.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QCoreApplication>

#include <iostream>

namespace quillset::cli {

namespace {

int run(const Invocation& invocation) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);

    SerialPort port;
    PrinterSettings printer;
    PrintTarget target;
    if (!choosePrinter(invocation, port, printer, target))
        return 1;

    PrinterEnquiry enquiry(target, port.baudRate, printer.language.language);
    PrinterStatus told;
    bool answered = false;
    QObject::connect(&enquiry, &PrinterEnquiry::answered, [&](const PrinterStatus& status) {
        told = status;
        answered = true;
        QCoreApplication::exit(0);
    });
    enquiry.start();
    if (!answered)
        QCoreApplication::exec();
    std::cout << statusText(told) << '\n';
    return told.ready() ? 0 : told.fault() ? 2 : 1;
}

} // namespace

const Command statusCommand = {
    "status",
    "[--to TARGET] [--language L]",
    "Ask the printer (the saved one unless --to says) for its state and print it on one line; "
    "exit 0 when ready, 2 when it reports a fault, 1 when it cannot tell.",
    0,
    withOptions(targetOptionSpecs(),
                {{"--language", "L", "the printer's language (default: the saved one)"}}),
    run,
};

} // namespace quillset::cli
