#pragma once

#include "language/PrinterStatus.h"
#include "printer/PrintProgress.h"

#include <QElapsedTimer>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace quillset {

enum class PrinterLanguage;
class PrintSource;
class Reporter;
class StatusQuestion;

// One print going out over a connection, on the user-interface thread:
// start() opens the connection, the bytes go out from the event loop, and
// it ends once the far end has taken every byte, on a failure, or on
// cancel(). Each kind of connection is one subclass; they share this
// progress-and-cancel loop, so the progress dialog and the command line
// treat them alike.
//
// The bytes come from a source, a page at a time: the next page is made
// once the connection has handed on every byte of the one before, so that
// one connection (one CUPS job) carries a whole batch of labels and holds
// no more than one of them.
//
// Failures are reported to the reporter after `finished`, each naming the
// target and the system's reason, with the fix on a line of its own where
// there is one ("/dev/usb/lp0: Permission denied", "Add your user to the lp
// group, then log in again."); a cancel says how much went out.
//
// Where the connection goes both ways and the language has a status query,
// askPrinter() has the printer asked before the first page and, when it
// answered that within 200 ms, before each next one once it has taken the
// one before whole; a printer that tells a fault stops the print before the
// page ("Labels 1-36 sent; stopped before label 37 of 240: paper out").
class PrintTransmission : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Sending, Sent, Failed, Cancelled, Stopped };

    ~PrintTransmission() override;

    // Opens the connection and starts sending. When it cannot be opened the
    // reporter has been told and this returns false.
    virtual bool start() = 0;
    // Runs a local event loop until the transmission ends; whether every
    // byte went out.
    bool wait();
    // Stops at once, closing the connection. Does nothing unless sending.
    void cancel();
    // Has the printer asked in `language` as above; before start().
    void askPrinter(PrinterLanguage language);
    // How a batch that stops goes on from a label, for the stop's message:
    // "File > Print goes on from label 37"; the message adds when, from what
    // the printer told. Before start().
    void tellWayOn(std::function<std::string(long long label)> wayOn) { wayOn_ = std::move(wayOn); }
    // What the printer told when it stopped the print.
    const PrinterStatus& stoppedFor() const { return stoppedFor_; }

    State state() const { return state_; }
    // Bytes the far end has taken; fixed once the transmission has ended.
    qint64 sent() const { return state_ == State::Sending ? takenMost() : sentAtEnd_; }
    // Bytes made so far: all of the print's once its last page is made, at
    // once for a single page.
    qint64 total() const { return made_; }
    // The pages the far end has taken whole, and how far into the next.
    PrintPosition position() const;
    const PrintSource& source() const { return *source_; }

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
    // Makes the source's first page.
    PrintTransmission(std::unique_ptr<PrintSource> source, Reporter& reporter, QObject* parent);

    // The bytes made and not yet handed on from `handed` (the bytes handed
    // on so far, never fewer than before); the next page is made once every
    // byte made has been handed. Empty once every page has been. For CUPS
    // on the job's thread, which alone then makes pages.
    std::string_view bytesFrom(qint64 handed);

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
    // The most takenSoFar() has said: what the far end took stays taken. A
    // status query is counted as asked before the line tells that it wrote
    // it, and the answer may come first; meanwhile takenSoFar() is short
    // by the query, which must not take back the page before it.
    qint64 takenMost() const;
    // Closes the connection as `finish` ends in `state`; what is still queued
    // is dropped unless every byte is being sent.
    virtual void closeConnection(State state) = 0;
    // The headline over a failure's detail.
    virtual const char* failureHeadline() const;
    // What the stop's message adds for a batch stopped for `condition`.
    StopNote stopNote(PrinterCondition condition, std::optional<long long> held) const;
    // The line a status query goes out on and its answer comes back on,
    // while connected; none where the connection goes one way.
    virtual QIODevice* answerLine() { return nullptr; }
    // Whether the bytes from `handed` may be handed on now: not while the
    // printer is asked before a page, which starts once the far end has
    // taken every byte handed.
    bool mayHand(qint64 handed);
    // Whether the printer is to be asked in its language: its line then
    // opens both ways. A CUPS queue is asked whatever the language.
    bool asksPrinter() const { return question_ != nullptr; }
    bool asksQueue() const { return asksQueue_; }
    // Stops the print before the page, for what the printer told.
    void stopFor(const PrinterStatus& status);
    // The bytes of the status queries written on the answer line, which
    // are none of the print's.
    qint64 questionBytes() const { return questionBytes_; }
    // How long the print has waited for the printer's answers, in ms.
    qint64 askingMs() const { return askingMs_; }

    Reporter& reporter_;
    State state_ = State::Ready;
    qint64 sentAtEnd_ = 0; // what sent() says once the transmission has ended

private:
    void stalled();
    void makePage();
    void answered(const PrinterStatus& status);
    // Forgets the ends of the pages taken whole by `sent`.
    void countTaken(qint64 sent);

    std::unique_ptr<PrintSource> source_;
    std::string page_;     // the bytes of the page being handed on
    qint64 pageStart_ = 0; // where page_ stands in the print
    bool madeAll_ = false;
    std::atomic<qint64> made_ = 0;
    mutable std::mutex ends_;     // the job's thread makes pages as the progress reads them
    std::deque<qint64> pageEnds_; // of the pages made and not yet taken whole
    long long taken_ = 0;
    qint64 takenEnd_ = 0; // where the last page taken whole ends
    mutable std::atomic<qint64> takenMost_ = 0;

    QTimer stall_;
    qint64 lastShown_ = -1;

    long long pagesMade_ = 0;
    StatusQuestion* question_ = nullptr; // while the printer is asked
    long long askingFor_ = 0;            // the page, from 1, asked for
    long long askedFor_ = 0;             // the last page the printer was ready for
    QElapsedTimer askedAt_;
    qint64 questionBytes_ = 0;
    qint64 askingMs_ = 0;
    std::atomic<bool> asksQueue_ = false;
    PrinterStatus stoppedFor_;
    std::function<std::string(long long label)> wayOn_;
};

} // namespace quillset
