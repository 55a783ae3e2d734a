#include "cli/TargetOptions.h"

#include "cli/LanguageArguments.h"
#include "cli/SerialOptions.h"
#include "printer/PrintTarget.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <iostream>

namespace quillset::cli {

const std::vector<OptionSpec>& targetOptionSpecs() {
    static const std::vector<OptionSpec> options = {
        {"--to", "TARGET",
         "serial:DEVICE, file:PATH, tcp:HOST[:PORT] (port 9100 by default) or cups:QUEUE"},
        {"--port", "NAME", "the same as --to serial:NAME (COM1..COM99 or a device)"},
        {"--baud", "N", "serial line speed in bit/s (default: the saved rate)"},
    };
    return options;
}

bool chooseTarget(const Invocation& invocation, const SerialPort& port,
                  const PrinterSettings& saved, PrintTarget& target) {
    if (const auto to = invocation.value("--to")) {
        if (invocation.has("--port")) {
            std::cerr << "Give --to or --port, not both.\n";
            return false;
        }
        const auto parsed = parsePrintTarget(*to);
        if (!parsed) {
            std::cerr << "--to takes serial:DEVICE, file:PATH, tcp:HOST[:PORT] or cups:QUEUE.\n";
            return false;
        }
        target = *parsed;
        if (target.kind == ConnectionKind::Serial && !isSerialPortName(target.address)) {
            std::cerr << "--to serial: takes COM1 to COM99 or a device path such as "
                         "/dev/ttyUSB0.\n";
            return false;
        }
        return true;
    }
    target = invocation.has("--port")
                 ? PrintTarget{ConnectionKind::Serial, port.portName.toStdString()}
                 : saved.target(port);
    return true;
}

bool choosePrinter(const Invocation& invocation, SerialPort& port, PrinterSettings& printer,
                   PrintTarget& target) {
    loadSerialSettings(port);
    printer = loadPrinterSettings();
    return applySerialOptions(invocation, port) && chooseTarget(invocation, port, printer, target) &&
           applyLanguageOptions(invocation, printer.language);
}

} // namespace quillset::cli
