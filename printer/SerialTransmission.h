#pragma once

#include "printer/PrintTransmission.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillset {

class Reporter;
class SerialPort;

// One print stream going out on the serial line: the port is opened and
// configured, the bytes are written in chunks at the pace of the line, and
// the port is closed once the device has taken them all, when a write fails,
// when the line has not taken them within twice their line time plus two
// seconds, or when the transmission is cancelled.
//
// Failures are "Serial transmission error." with the device and the reason
// under it; when the port cannot be opened or configured that message
// follows the one saying so.
class SerialTransmission : public PrintTransmission {
    Q_OBJECT
public:
    // Takes the port's name, device and rate as they are now. `reporter`
    // must outlive the transmission.
    SerialTransmission(const SerialPort& port, std::unique_ptr<PrintSource> source,
                       Reporter& reporter, QObject* parent = nullptr);
    ~SerialTransmission() override;

    bool start() override;
    // What is still queued for the device is dropped and the port closed.

    // Bytes the device has taken (sent on the line or queued in its
    // hardware) of those written.
    // "COM1 (/dev/ttyS0)", or the device alone when it is the port's name.
    QString target() const override;
    std::uint32_t baudRate() const override { return baudRate_; }
    const QString& portName() const { return portName_; }
    const QString& device() const { return device_; }

protected:
    qint64 takenSoFar() const override;
    void closeConnection(State state) override;
    const char* failureHeadline() const override;
    QIODevice* answerLine() override;

private:
    void pump();
    void written(qint64 count);
    void failedWrite(QSerialPort::SerialPortError error);
    qint64 queuedInDevice() const;

    QString portName_;
    QString device_;
    std::uint32_t baudRate_;

    QSerialPort serial_;
    QTimer pace_;
    QElapsedTimer clock_;
    qint64 handed_ = 0;  // given to the serial port object
    qint64 written_ = 0; // of which the device has taken
};

// Sends `bytes` as a SerialTransmission does and waits in a local event
// loop until it ends. Failures go to `reporter`, in this order: "Com port
// could not be opened." or "Com port could not be configured.", then
// "Serial transmission error.", each of the first two with the device and
// the system's reason under it. Returns whether every byte was sent.
bool Transmit(const SerialPort& port, std::string_view bytes, Reporter& reporter);

} // namespace quillset
