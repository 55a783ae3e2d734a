#include "printer/SerialPort.h"

#include "model/Reporter.h"
#include "printer/SerialSettings.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QThread>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include <sys/ioctl.h>
#include <unistd.h>

namespace quillset {

namespace {

constexpr std::array<std::uint32_t, SerialPort::kBaudRateCount> kBaudRates = {
    1200, 2400, 9600, 14400, 19200, 38400, 57600, 115200};

// A byte on an 8N2 line is a start bit, eight data bits and two stop bits.
constexpr qint64 kBitsPerByte = 11;
constexpr qint64 kWriteSlackMs = 2000;
constexpr unsigned long kDrainPollMs = 5;

constexpr char kOpenFailed[] = "Com port could not be opened.";
constexpr char kConfigureFailed[] = "Com port could not be configured.";
constexpr char kTransmissionError[] = "Serial transmission error.";

// A pseudo-terminal has no modem lines, so DTR and RTS cannot be set on it.
bool isPseudoTerminal(int fd) {
    char name[64];
    return ttyname_r(fd, name, sizeof name) == 0 && std::strncmp(name, "/dev/pts/", 9) == 0;
}

bool configure(QSerialPort& serial, std::uint32_t rate) {
    if (rate > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return false;
    if (!serial.setDataBits(QSerialPort::Data8) || !serial.setParity(QSerialPort::NoParity) ||
        !serial.setStopBits(QSerialPort::TwoStop) ||
        !serial.setFlowControl(QSerialPort::NoFlowControl) ||
        !serial.setBaudRate(static_cast<qint32>(rate)))
        return false;
    const bool linesOn = serial.setDataTerminalReady(true) && serial.setRequestToSend(true);
    return linesOn || isPseudoTerminal(static_cast<int>(serial.handle()));
}

// Closing a tty waits until its output has gone out; waiting here first keeps
// a stalled device from holding the program past the deadline.
bool waitUntilSent(QSerialPort& serial, const QDeadlineTimer& deadline) {
    const int fd = static_cast<int>(serial.handle());
    for (;;) {
        int queued = 0;
        if (ioctl(fd, TIOCOUTQ, &queued) == -1)
            return false;
        if (queued == 0)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kDrainPollMs);
    }
}

bool writeAll(QSerialPort& serial, std::string_view bytes, std::uint32_t rate) {
    const qint64 count = static_cast<qint64>(bytes.size());
    const qint64 lineTimeMs = count * kBitsPerByte * 1000 / rate;
    const QDeadlineTimer deadline(2 * lineTimeMs + kWriteSlackMs);
    if (serial.write(bytes.data(), count) != count)
        return false;
    while (serial.bytesToWrite() > 0) {
        if (deadline.hasExpired() ||
            !serial.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    return waitUntilSent(serial, deadline);
}

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

bool SerialPort::Transmit(std::string_view bytes, Reporter& reporter) const {
    QSerialPort serial;
    serial.setPortName(portDevicePath(portName));
    if (!serial.open(QIODevice::WriteOnly)) {
        reporter.report(kOpenFailed);
        reporter.report(kTransmissionError);
        return false;
    }
    if (!configure(serial, baudRate)) {
        serial.close();
        reporter.report(kConfigureFailed);
        reporter.report(kTransmissionError);
        return false;
    }
    const bool sent = writeAll(serial, bytes, baudRate);
    if (!sent)
        serial.clear(QSerialPort::Output);
    serial.close();
    if (!sent)
        reporter.report(kTransmissionError);
    return sent;
}

} // namespace quillset
