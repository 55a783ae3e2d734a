#include "cli/SerialOptions.h"

#include "cli/Invocation.h"
#include "printer/SerialPort.h"

#include <iostream>

namespace quillset::cli {

namespace {

bool applyPort(const std::string& name, SerialPort& port) {
    if (!isSerialPortName(name))
        return false;
    port.portName = QString::fromStdString(name);
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

} // namespace

bool isSerialPortName(const std::string& name) {
    const QString text = QString::fromStdString(name);
    return text.startsWith('/') || SerialPort::portNameAtIndex(SerialPort::portIndex(text)) == text;
}

bool applySerialOptions(const Invocation& invocation, SerialPort& port) {
    if (const auto name = invocation.value("--port"); name && !applyPort(*name, port)) {
        std::cerr << "--port takes COM1 to COM99 or a device path such as /dev/ttyUSB0.\n";
        return false;
    }
    return applyBaudOption(invocation, port);
}

bool applyBaudOption(const Invocation& invocation, SerialPort& port) {
    if (const auto rate = invocation.value("--baud"); rate && !applyBaudRate(*rate, port)) {
        std::cerr << "--baud takes one of " << baudRateList() << ".\n";
        return false;
    }
    return true;
}

} // namespace quillset::cli
