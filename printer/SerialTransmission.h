#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <string>

namespace quillset {

class Reporter;
class SerialPort;

// One print stream going out on the serial line, on the user-interface
// thread: the port is opened and configured, the bytes are written in
// chunks at the pace of the line from the event loop, and the port is
// closed once the device has taken them all, when a write fails, when the
// line has not taken them within twice their line time plus two seconds,
// or when the transmission is cancelled.
//
// Failures and a cancel are reported to `reporter` after `finished`:
// "Serial transmission error." with the device and the reason under it, or
// how much went out before the cancel.
class SerialTransmission : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Sending, Sent, Failed, Cancelled };

    // Takes the port's name, device and rate as they are now. `reporter`
    // must outlive the transmission.
    SerialTransmission(const SerialPort& port, std::string bytes, Reporter& reporter,
                       QObject* parent = nullptr);
    ~SerialTransmission() override;

    // Opens and configures the port and starts sending. When the port cannot
    // be opened or configured the reporter has been told, followed by
    // "Serial transmission error.", and this returns false.
    bool start();
    // Runs a local event loop until the transmission ends; whether every
    // byte went out.
    bool wait();
    // Stops at once: what is still queued for the device is dropped and the
    // port closed. Does nothing unless sending.
    void cancel();

    State state() const { return state_; }
    // Bytes the device has taken (sent on the line or queued in its
    // hardware) of those written; fixed once the transmission has ended.
    qint64 sent() const;
    qint64 total() const { return static_cast<qint64>(bytes_.size()); }
    std::uint32_t baudRate() const { return baudRate_; }
    const QString& portName() const { return portName_; }
    const QString& device() const { return device_; }

signals:
    // After every change of sent(), and once more at the end.
    void progressed(qint64 sent, qint64 total);
    // The port is closed; receivers must not delete the transmission here.
    void finished(bool allSent);

private:
    void pump();
    void written(qint64 count);
    void failedWrite(QSerialPort::SerialPortError error);
    void finish(State state, const std::string& detail = {});
    qint64 queuedInDevice() const;

    std::string bytes_;
    Reporter& reporter_;
    QString portName_;
    QString device_;
    std::uint32_t baudRate_;

    QSerialPort serial_;
    QTimer pace_;
    QElapsedTimer clock_;
    qint64 deadlineMs_ = 0;
    State state_ = State::Ready;
    qint64 handed_ = 0;  // given to the serial port object
    qint64 written_ = 0; // of which the device has taken
    qint64 sentAtEnd_ = 0;
    qint64 lastShown_ = -1;
};

} // namespace quillset
