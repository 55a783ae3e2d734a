#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/InterruptWatch.h"
#include "cli/SerialOptions.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"
#include "printer/SerialTransmission.h"
#include "printer/engine/PrintProgress.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

#include <unistd.h>

namespace quillset::cli {

namespace {

// On a terminal the progress stays on one line, rewritten as it changes.
void showProgressOnTerminal(SerialTransmission& transmission) {
    const QString device = transmission.device() == transmission.portName()
                               ? transmission.portName()
                               : transmission.portName() + " (" + transmission.device() + ")";
    const std::string where = "Printing on " + device.toStdString() + " at " +
                              std::to_string(transmission.baudRate()) + " bit/s: ";
    const std::uint32_t rate = transmission.baudRate();
    QObject::connect(&transmission, &SerialTransmission::progressed,
                     [where, rate](qint64 sent, qint64 total) {
                         std::cerr << '\r' << where
                                   << progressText(static_cast<std::uint64_t>(sent),
                                                   static_cast<std::uint64_t>(total), rate)
                                   << "\x1b[K" << std::flush;
                     });
    QObject::connect(&transmission, &SerialTransmission::finished,
                     [] { std::cerr << '\n' << std::flush; });
}

int run(const Invocation& invocation) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);

    SerialPort port;
    loadSerialSettings(port);
    if (!applySerialOptions(invocation, port))
        return 1;

    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    if (!loadDocument(invocation, session, reporter))
        return 1;
    SerialTransmission transmission(port, session.printStream(), reporter);
    if (isatty(STDERR_FILENO))
        showProgressOnTerminal(transmission);
    if (!transmission.start())
        return 1;
    const InterruptWatch interrupt([&] { transmission.cancel(); });
    return transmission.wait() ? 0 : 1;
}

} // namespace

const Command printCommand = {
    "print",
    "FILE [--port NAME] [--baud N]",
    "Open FILE and send it to the printer over the serial port; Ctrl+C cancels.",
    1,
    {{"--port", "NAME", "COM1..COM99 or a device path (default: the saved port)"},
     {"--baud", "N", "line speed in bit/s (default: the saved rate)"}},
    run,
};

} // namespace quillset::cli
