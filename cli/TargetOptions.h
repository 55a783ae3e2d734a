#pragma once

#include "cli/Invocation.h"

#include <vector>

namespace quillset {
class PrinterSettings;
class SerialPort;
struct PrintTarget;
} // namespace quillset

namespace quillset::cli {

// --to, --port and --baud, where print and status find the printer.
const std::vector<OptionSpec>& targetOptionSpecs();

// --to, else --port as the serial line, else the saved printer. Says on
// standard error what is wrong and returns false.
bool chooseTarget(const Invocation& invocation, const SerialPort& port,
                  const PrinterSettings& saved, PrintTarget& target);

// The saved serial line and printer with the command line's options over
// them, and where the print goes: what print and status start from. Says on
// standard error what is wrong and returns false.
bool choosePrinter(const Invocation& invocation, SerialPort& port, PrinterSettings& printer,
                   PrintTarget& target);

} // namespace quillset::cli
