#include "printer/SerialPort.h"

#include <algorithm>
#include <array>

namespace quillset {

namespace {

constexpr std::array<std::uint32_t, SerialPort::kBaudRateCount> kBaudRates = {
    1200, 2400, 9600, 14400, 19200, 38400, 57600, 115200};

} // namespace

std::uint32_t SerialPort::baudRateFromText(const QString& text) {
    for (std::uint32_t rate : kBaudRates) {
        if (text == QString::number(rate))
            return rate;
    }
    return kDefaultBaudRate;
}

QString SerialPort::baudRateText(std::uint32_t rate) {
    const bool known = std::find(kBaudRates.begin(), kBaudRates.end(), rate) != kBaudRates.end();
    return QString::number(known ? rate : kDefaultBaudRate);
}

int SerialPort::baudRateIndex(std::uint32_t rate) {
    const auto found = std::find(kBaudRates.begin(), kBaudRates.end(), rate);
    return found == kBaudRates.end() ? kDefaultBaudIndex
                                     : static_cast<int>(found - kBaudRates.begin());
}

std::uint32_t SerialPort::baudRateAtIndex(int index) {
    return index >= 0 && index < kBaudRateCount ? kBaudRates[static_cast<std::size_t>(index)]
                                                : kDefaultBaudRate;
}

int SerialPort::portIndex(const QString& name) {
    for (int index = 0; index < kPortCount; ++index) {
        if (name == portNameAtIndex(index))
            return index;
    }
    return 0;
}

QString SerialPort::portNameAtIndex(int index) {
    return QStringLiteral("COM%1").arg(std::clamp(index, 0, kPortCount - 1) + 1);
}

} // namespace quillset
