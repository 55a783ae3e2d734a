#include "printer/SerialLine.h"

#include "model/Reporter.h"
#include "printer/PortFailure.h"

#include <QFile>
#include <QSerialPort>

#include <cerrno>
#include <cstring>
#include <limits>

#include <unistd.h>

namespace quillset {

namespace {

// A pseudo-terminal has no modem lines, so DTR and RTS cannot be set on it.
bool isPseudoTerminal(int fd) {
    char name[64];
    return ttyname_r(fd, name, sizeof name) == 0 && std::strncmp(name, "/dev/pts/", 9) == 0;
}

bool configure(QSerialPort& serial, std::uint32_t rate) {
    if (rate == 0 || rate > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return false;
    if (!serial.setDataBits(QSerialPort::Data8) || !serial.setParity(QSerialPort::NoParity) ||
        !serial.setStopBits(QSerialPort::TwoStop) ||
        !serial.setFlowControl(QSerialPort::NoFlowControl) ||
        !serial.setBaudRate(static_cast<qint32>(rate)))
        return false;
    const bool linesOn = serial.setDataTerminalReady(true) && serial.setRequestToSend(true);
    return linesOn || isPseudoTerminal(static_cast<int>(serial.handle()));
}

// Qt's texts for open failures are not always the system's: a device that
// cannot be reached says why through access(); one that can was refused
// because another program holds it.
std::string openFailureDetail(const QSerialPort& serial, const QString& device) {
    const QByteArray path = QFile::encodeName(device);
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return portFailureDetail(device.toStdString(), errno);
    if (serial.error() == QSerialPort::PermissionError)
        return portFailureDetail(device.toStdString(), EBUSY);
    return serialErrorDetail(serial, device);
}

} // namespace

std::string serialErrorDetail(const QSerialPort& serial, const QString& device) {
    return portFailureDetail(device.toStdString(), serial.errorString().toStdString());
}

bool openSerialLine(QSerialPort& serial, const QString& device, std::uint32_t baudRate,
                    QIODevice::OpenMode mode, Reporter& reporter) {
    serial.setPortName(device);
    if (!serial.open(mode)) {
        reporter.reportWithDetail(kOpenFailed, openFailureDetail(serial, device));
        return false;
    }
    if (!configure(serial, baudRate)) {
        const std::string reason = serial.error() == QSerialPort::NoError
                                       ? "the device refuses " + std::to_string(baudRate) +
                                             " bit/s with 8 data bits and 2 stop bits"
                                       : serial.errorString().toStdString();
        serial.close();
        reporter.reportWithDetail(kConfigureFailed, portFailureDetail(device.toStdString(), reason));
        return false;
    }
    return true;
}

} // namespace quillset
