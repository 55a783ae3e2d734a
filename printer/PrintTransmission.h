#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <string>

namespace quillset {

class Reporter;

// One print going out over a connection, on the user-interface thread:
// start() opens the connection, the bytes go out from the event loop, and
// it ends once the far end has taken every byte, on a failure, or on
// cancel(). Each kind of connection is one subclass; they share this
// progress-and-cancel loop, so the progress dialog and the command line
// treat them alike.
//
// Failures are reported to the reporter after `finished`, each naming the
// target and the system's reason, with the fix on a line of its own where
// there is one ("/dev/usb/lp0: Permission denied", "Add your user to the lp
// group, then log in again."); a cancel says how much went out.
class PrintTransmission : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Sending, Sent, Failed, Cancelled };

    // Opens the connection and starts sending. When it cannot be opened the
    // reporter has been told and this returns false.
    virtual bool start() = 0;
    // Runs a local event loop until the transmission ends; whether every
    // byte went out.
    bool wait();
    // Stops at once, closing the connection. Does nothing unless sending.
    void cancel();

    State state() const { return state_; }
    // Bytes the far end has taken; fixed once the transmission has ended.
    qint64 sent() const { return state_ == State::Sending ? takenSoFar() : sentAtEnd_; }
    qint64 total() const { return static_cast<qint64>(bytes_.size()); }

    // The target as messages name it: "COM1 (/dev/ttyS0)", "/dev/usb/lp0",
    // "192.168.1.50:9100", a CUPS queue's name.
    virtual QString target() const = 0;
    // The line's rate when the time left can be told from it (serial); 0
    // otherwise.
    virtual std::uint32_t baudRate() const { return 0; }

signals:
    // After every change of sent(), and once more at the end.
    void progressed(qint64 sent, qint64 total);
    // The connection is closed; receivers must not delete the transmission
    // here.
    void finished(bool allSent);

protected:
    PrintTransmission(std::string bytes, Reporter& reporter, QObject* parent);

    // Tells a change of sent() and restarts the stall watch. False when the
    // transmission has ended meanwhile (a receiver cancelled it).
    bool showProgress();
    // Fails the transmission once sent() has not moved for `timeout`; off
    // until set, and running from watchForStall() on.
    void setStallTimeout(std::chrono::milliseconds timeout);
    void watchForStall();
    // Ends a transmission that is sending: keeps sent(), closes the
    // connection, tells `progressed` and `finished`, then the reporter.
    void finish(State state, const std::string& detail = {});
    // A connection that could not be opened: reports it and returns false.
    bool refuse(const std::string& detail);

    // While sending: the bytes the far end has taken so far.
    virtual qint64 takenSoFar() const = 0;
    // Closes the connection as `finish` ends in `state`; what is still queued
    // is dropped unless every byte is being sent.
    virtual void closeConnection(State state) = 0;
    // The headline over a failure's detail.
    virtual const char* failureHeadline() const;

    std::string bytes_;
    Reporter& reporter_;
    State state_ = State::Ready;
    qint64 sentAtEnd_ = 0; // what sent() says once the transmission has ended

private:
    void stalled();

    QTimer stall_;
    qint64 lastShown_ = -1;
};

} // namespace quillset
