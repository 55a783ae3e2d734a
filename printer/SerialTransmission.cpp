#include "printer/SerialTransmission.h"

#include "language/PrintSource.h"
#include "model/Reporter.h"
#include "printer/PortFailure.h"
#include "printer/PrintProgress.h"
#include "printer/SerialLine.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <algorithm>

#include <sys/ioctl.h>

namespace quillset {

namespace {

constexpr int kPaceMs = 20;
// How far the writes may run ahead of the line: enough that the device never
// waits for the next chunk, little enough that a cancel stops at once.
constexpr qint64 kLeadMs = 250;
constexpr qint64 kMinLeadBytes = 64;
constexpr qint64 kDeadlineSlackMs = 2000;

} // namespace

SerialTransmission::SerialTransmission(const SerialPort& port, std::unique_ptr<PrintSource> source,
                                       Reporter& reporter, QObject* parent)
    : PrintTransmission(std::move(source), reporter, parent)
    , portName_(port.portName)
    , device_(portDevicePath(port.portName))
    , baudRate_(port.baudRate) {
    pace_.setInterval(kPaceMs);
    connect(&pace_, &QTimer::timeout, this, &SerialTransmission::pump);
    connect(&serial_, &QSerialPort::bytesWritten, this, &SerialTransmission::written);
    connect(&serial_, &QSerialPort::errorOccurred, this, &SerialTransmission::failedWrite);
}

SerialTransmission::~SerialTransmission() {
    if (serial_.isOpen()) {
        serial_.clear(QSerialPort::Output);
        serial_.close();
    }
}

bool SerialTransmission::start() {
    if (state_ != State::Ready)
        return false;
    const auto mode = asksPrinter() ? QIODevice::ReadWrite : QIODevice::WriteOnly;
    if (!openSerialLine(serial_, device_, baudRate_, mode, reporter_)) {
        state_ = State::Failed;
        reporter_.report(kTransmissionError);
        return false;
    }
    state_ = State::Sending;
    clock_.start();
    pace_.start();
    pump();
    return true;
}

qint64 SerialTransmission::takenSoFar() const {
    return std::max<qint64>(0, written_ - questionBytes() - queuedInDevice());
}

QString SerialTransmission::target() const {
    if (device_ == portName_)
        return device_;
    return QStringLiteral("%1 (%2)").arg(portName_, device_);
}

qint64 SerialTransmission::queuedInDevice() const {
    int queued = 0;
    if (!serial_.isOpen() || ioctl(static_cast<int>(serial_.handle()), TIOCOUTQ, &queued) == -1)
        return 0;
    return queued;
}

void SerialTransmission::pump() {
    if (state_ != State::Sending)
        return;
    // The line is paced from the time it has been sending, not waiting for
    // the printer's answers.
    const qint64 elapsed = clock_.elapsed() - askingMs();
    if (!mayHand(handed_)) {
        showProgress();
        return;
    }
    const qint64 lead = std::max<qint64>(kMinLeadBytes, lineBytes(baudRate_, kLeadMs));
    const qint64 due = static_cast<qint64>(lineBytes(baudRate_, elapsed)) + lead;
    if (handed_ < due && serial_.bytesToWrite() == 0) {
        const std::string_view rest = bytesFrom(handed_);
        const qint64 count = std::min(static_cast<qint64>(rest.size()), due - handed_);
        if (count > 0 && serial_.write(rest.data(), count) != count) {
            finish(State::Failed, serialErrorDetail(serial_, device_));
            return;
        }
        handed_ += count;
    }
    if (!showProgress())
        return;
    // Twice the line time of what is made so far: a batch's grows label by label.
    const qint64 deadline = 2 * lineMilliseconds(total(), baudRate_) + kDeadlineSlackMs;
    if (written_ - questionBytes() == total() && bytesFrom(handed_).empty() &&
        queuedInDevice() == 0)
        finish(State::Sent);
    else if (elapsed > deadline)
        finish(State::Failed,
               portFailureDetail(device_.toStdString(),
                                 "the device did not take the page within " +
                                     std::to_string((deadline + 999) / 1000) + " s"));
}

void SerialTransmission::written(qint64 count) {
    written_ += count;
}

void SerialTransmission::failedWrite(QSerialPort::SerialPortError error) {
    if (state_ != State::Sending || error == QSerialPort::NoError ||
        error == QSerialPort::TimeoutError)
        return;
    finish(State::Failed, serialErrorDetail(serial_, device_));
}

void SerialTransmission::closeConnection(State state) {
    pace_.stop();
    if (state != State::Sent) {
        // What the device still queues would otherwise go out, and closing
        // would wait for it.
        serial_.clear(QSerialPort::Output);
    }
    serial_.close();
}

QIODevice* SerialTransmission::answerLine() {
    return serial_.isOpen() ? &serial_ : nullptr;
}

const char* SerialTransmission::failureHeadline() const {
    return kTransmissionError;
}

bool Transmit(const SerialPort& port, std::string_view bytes, Reporter& reporter) {
    SerialTransmission transmission(port, pageSource(std::string(bytes)), reporter);
    return transmission.start() && transmission.wait();
}

} // namespace quillset
