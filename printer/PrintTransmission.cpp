#include "printer/PrintTransmission.h"

#include "model/Reporter.h"
#include "printer/PortFailure.h"
#include "printer/PrintProgress.h"

#include <QEventLoop>

namespace quillset {

PrintTransmission::PrintTransmission(std::string bytes, Reporter& reporter, QObject* parent)
    : QObject(parent)
    , bytes_(std::move(bytes))
    , reporter_(reporter) {
    stall_.setSingleShot(true);
    connect(&stall_, &QTimer::timeout, this, &PrintTransmission::stalled);
}

void PrintTransmission::cancel() {
    if (state_ == State::Sending)
        finish(State::Cancelled);
}

bool PrintTransmission::wait() {
    if (state_ == State::Sending) {
        QEventLoop loop;
        connect(this, &PrintTransmission::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return state_ == State::Sent;
}

bool PrintTransmission::showProgress() {
    if (state_ != State::Sending)
        return false;
    const qint64 now = sent();
    if (now != lastShown_) {
        lastShown_ = now;
        if (stall_.isActive())
            stall_.start();
        emit progressed(now, total());
    }
    return state_ == State::Sending;
}

void PrintTransmission::setStallTimeout(std::chrono::milliseconds timeout) {
    stall_.setInterval(timeout);
}

void PrintTransmission::watchForStall() {
    if (stall_.interval() > 0 && state_ == State::Sending)
        stall_.start();
}

void PrintTransmission::stalled() {
    if (state_ != State::Sending)
        return;
    const auto seconds = std::to_string((stall_.interval() + 999) / 1000);
    finish(State::Failed, portFailureDetail(target().toStdString(),
                                            "the printer took no data for " + seconds + " s"));
}

void PrintTransmission::finish(State state, const std::string& detail) {
    sentAtEnd_ = sent();
    state_ = state;
    stall_.stop();
    closeConnection(state);
    emit progressed(sentAtEnd_, total());
    emit finished(state == State::Sent);
    if (state == State::Failed)
        reporter_.reportWithDetail(failureHeadline(), detail);
    else if (state == State::Cancelled)
        reporter_.report(cancelledMessage(static_cast<std::uint64_t>(sentAtEnd_), bytes_.size()));
}

bool PrintTransmission::refuse(const std::string& detail) {
    state_ = State::Failed;
    reporter_.reportWithDetail(failureHeadline(), detail);
    return false;
}

const char* PrintTransmission::failureHeadline() const {
    return kPrintFailed;
}

} // namespace quillset
