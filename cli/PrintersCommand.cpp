#include "cli/Command.h"
#include "cli/SerialOptions.h"
#include "printer/PrinterDiscovery.h"

#include <QCoreApplication>

#include <iostream>

namespace quillset::cli {

namespace {

// One printer a line, as --to takes it, so that scripts can pick one.
int run(const Invocation&) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);
    for (const QString& queue : cupsQueueNames())
        std::cout << "cups:" << queue.toStdString() << '\n';
    for (const QString& device : usbPrinterDevices())
        std::cout << "file:" << device.toStdString() << '\n';
    for (const QString& device : serialDeviceNames())
        std::cout << "serial:" << device.toStdString() << '\n';
    return 0;
}

} // namespace

const Command printersCommand = {
    "printers",
    "",
    "List the printers this machine knows: CUPS queues, USB printer devices and serial ports, "
    "one a line as --to takes them.",
    0,
    {},
    run,
};

} // namespace quillset::cli
