#pragma once

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <string>

class QSerialPort;

namespace quillset {

class Reporter;

// Opens `device` for this program alone and sets the printer's line:
// `baudRate`, 8 data bits, no parity, 2 stop bits, no flow control, DTR and
// RTS on. When that fails, `reporter` gets "Com port could not be opened."
// or "Com port could not be configured.", each with the device and the
// system's reason under it, and the port is left closed.
bool openSerialLine(QSerialPort& serial, const QString& device, std::uint32_t baudRate,
                    QIODevice::OpenMode mode, Reporter& reporter);

// The detail line for the port's last error: "/dev/ttyUSB0: Input/output
// error".
std::string serialErrorDetail(const QSerialPort& serial, const QString& device);

} // namespace quillset
