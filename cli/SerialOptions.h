#pragma once

#include <string>

namespace quillset {
class SerialPort;
}

namespace quillset::cli {

struct Invocation;

// What QCoreApplication needs to be made: the serial port's event machinery
// runs in its event loop. Declare before the application, which keeps
// references into it.
struct QtArguments {
    int argc = 1;
    char name[13] = "quillset-cli";
    char* argv[2] = {name, nullptr};
};

// --port (COM1 to COM99 or a device path) and --baud (one of the eight
// rates) applied to `port`. Says on standard error what is wrong with a
// value and returns false.
bool applySerialOptions(const Invocation& invocation, SerialPort& port);
// --baud alone, for a command that reads --port in its own way.
bool applyBaudOption(const Invocation& invocation, SerialPort& port);

// COM1 to COM99, or a device path.
bool isSerialPortName(const std::string& name);

} // namespace quillset::cli
