#include "cli/Command.h"
#include "cli/DocumentIo.h"
#include "cli/StderrReporter.h"
#include "document/FolioSession.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

namespace quillset::cli {

namespace {

// COM1 to COM99 as the settings know them, or a device path.
bool applyPort(const std::string& name, SerialPort& port) {
    const QString text = QString::fromStdString(name);
    if (!text.startsWith('/') && SerialPort::portNameAtIndex(SerialPort::portIndex(text)) != text)
        return false;
    port.portName = text;
    return true;
}

bool applyBaudRate(const std::string& text, SerialPort& port) {
    const std::uint32_t rate = SerialPort::baudRateFromText(QString::fromStdString(text));
    if (SerialPort::baudRateText(rate).toStdString() != text)
        return false;
    port.baudRate = rate;
    return true;
}

std::string baudRateList() {
    std::string list;
    for (int index = 0; index < SerialPort::kBaudRateCount; ++index)
        list += (index ? ", " : "") + std::to_string(SerialPort::baudRateAtIndex(index));
    return list;
}

int run(const Invocation& invocation) {
    // The serial port needs an application object for its event machinery.
    static int argc = 1;
    static char appName[] = "quillset-cli";
    static char* argv[] = {appName, nullptr};
    QCoreApplication application(argc, argv);

    SerialPort port;
    loadSerialSettings(port);
    if (const auto name = invocation.value("--port"); name && !applyPort(*name, port)) {
        std::cerr << "--port takes COM1 to COM99 or a device path such as /dev/ttyUSB0.\n";
        return 1;
    }
    if (const auto rate = invocation.value("--baud"); rate && !applyBaudRate(*rate, port)) {
        std::cerr << "--baud takes one of " << baudRateList() << ".\n";
        return 1;
    }

    StderrReporter reporter;
    FolioSession session(invocation.printerType);
    if (!loadDocument(invocation, session, reporter))
        return 1;
    return port.Transmit(session.printStream(), reporter) ? 0 : 1;
}

} // namespace

const Command printCommand = {
    "print",
    "FILE [--port NAME] [--baud N]",
    "Open FILE and send it to the printer over the serial port.",
    1,
    {{"--port", "NAME", "COM1..COM99 or a device path (default: the saved port)"},
     {"--baud", "N", "line speed in bit/s (default: the saved rate)"}},
    run,
};

} // namespace quillset::cli
