#include "printer/PrintTransmission.h"

#include "language/PrintSource.h"
#include "model/Reporter.h"
#include "printer/PortFailure.h"

#include <QEventLoop>

namespace quillset {

PrintTransmission::PrintTransmission(std::unique_ptr<PrintSource> source, Reporter& reporter,
                                     QObject* parent)
    : QObject(parent)
    , reporter_(reporter)
    , source_(std::move(source)) {
    stall_.setSingleShot(true);
    connect(&stall_, &QTimer::timeout, this, &PrintTransmission::stalled);
    makePage();
}

PrintTransmission::~PrintTransmission() = default;

void PrintTransmission::makePage() {
    page_.clear(); // keeps its storage for the next label
    pageStart_ = made_;
    if (!source_->next(page_)) {
        madeAll_ = true;
        return;
    }
    made_ += static_cast<qint64>(page_.size());
    const std::lock_guard lock(ends_);
    pageEnds_.push_back(made_);
}

std::string_view PrintTransmission::bytesFrom(qint64 handed) {
    while (handed == made_ && !madeAll_)
        makePage();
    return std::string_view(page_).substr(static_cast<std::size_t>(handed - pageStart_));
}

void PrintTransmission::countTaken(qint64 sent) {
    const std::lock_guard lock(ends_);
    while (!pageEnds_.empty() && pageEnds_.front() <= sent) {
        takenEnd_ = pageEnds_.front();
        pageEnds_.pop_front();
        ++taken_;
    }
}

PrintPosition PrintTransmission::position() const {
    const qint64 now = sent();
    const std::lock_guard lock(ends_);
    PrintPosition at{taken_, source_->count(), 0, 0};
    qint64 start = takenEnd_;
    for (const qint64 end : pageEnds_) {
        if (end > now) {
            at.size = static_cast<std::uint64_t>(end - start);
            break;
        }
        ++at.taken;
        start = end;
    }
    at.sent = static_cast<std::uint64_t>(now - start);
    return at;
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
        countTaken(now);
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
    countTaken(sentAtEnd_);
    state_ = state;
    stall_.stop();
    closeConnection(state);
    emit progressed(sentAtEnd_, total());
    emit finished(state == State::Sent);
    if (state == State::Failed)
        reporter_.reportWithDetail(failureHeadline(), detail);
    else if (state == State::Cancelled)
        reporter_.report(source_->count() > 1
                             ? cancelledMessage(position())
                             : cancelledMessage(static_cast<std::uint64_t>(sentAtEnd_),
                                                static_cast<std::uint64_t>(total())));
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
