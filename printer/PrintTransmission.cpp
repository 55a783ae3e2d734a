#include "printer/PrintTransmission.h"

#include "language/PrintSource.h"
#include "model/Reporter.h"
#include "printer/PortFailure.h"
#include "printer/StatusQuestion.h"

#include <QEventLoop>

#include <algorithm>

namespace quillset {

namespace {

using namespace std::chrono_literals;

constexpr auto kFirstAnswer = 2s;
// A printer that answers more slowly is not asked between pages.
constexpr auto kQuickAnswer = 200ms;

} // namespace

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
    ++pagesMade_;
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

qint64 PrintTransmission::takenMost() const {
    const qint64 now = takenSoFar();
    qint64 most = takenMost_.load();
    while (now > most && !takenMost_.compare_exchange_weak(most, now)) {
    }
    return std::max(most, now);
}

PrintPosition PrintTransmission::position() const {
    const qint64 now = sent();
    const std::lock_guard lock(ends_);
    PrintPosition at{taken_, source_->count(), 0, 0, source_->first() - 1};
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

void PrintTransmission::askPrinter(PrinterLanguage language) {
    if (state_ != State::Ready)
        return;
    asksQueue_ = true;
    if (languageInfo(language).statusQuery.empty())
        return;
    question_ = new StatusQuestion(language, this);
    question_->setTimeout(kFirstAnswer);
    connect(question_, &StatusQuestion::answered, this, &PrintTransmission::answered);
}

bool PrintTransmission::mayHand(qint64 handed) {
    if (!question_ || state_ != State::Sending)
        return true;
    if (question_->asking())
        return false;
    // The page the bytes from `handed` begin, if they begin one.
    long long page = 0;
    if (handed == made_ && !madeAll_ && pagesMade_ < source_->count())
        page = pagesMade_ + 1;
    else if (handed == pageStart_ && handed < made_)
        page = pagesMade_;
    if (page == 0 || page <= askedFor_)
        return true;
    QIODevice* line = answerLine();
    if (!line || takenMost() < handed)
        return !line;
    askingFor_ = page;
    askedAt_.start();
    questionBytes_ += question_->querySize();
    question_->ask(*line);
    return false;
}

void PrintTransmission::answered(const PrinterStatus& status) {
    if (state_ != State::Sending)
        return;
    askingMs_ += askedAt_.elapsed();
    if (status.fault()) {
        stopFor(status);
        return;
    }
    askedFor_ = askingFor_;
    // A printer that does not answer, or slowly, is not asked again: the
    // print goes on as it would without the questions.
    if (!status.ready() || askedAt_.elapsed() > kQuickAnswer.count()) {
        question_->deleteLater();
        question_ = nullptr;
        return;
    }
    question_->setTimeout(kQuickAnswer);
}

void PrintTransmission::stopFor(const PrinterStatus& status) {
    if (state_ != State::Sending)
        return;
    stoppedFor_ = status;
    finish(State::Stopped);
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
    if (question_)
        question_->drop();
    closeConnection(state);
    emit progressed(sentAtEnd_, total());
    emit finished(state == State::Sent);
    // A batch tells where it stopped, so that it can be resumed there.
    const bool batch = source_->count() > 1 || source_->first() > 1;
    if (state == State::Failed && batch)
        reporter_.reportWithDetail(failureHeadline(),
                                   detail + '\n' +
                                       stoppedMessage(position(), "the print failed",
                                                      stopNote(PrinterCondition::Ready, {})));
    else if (state == State::Failed)
        reporter_.reportWithDetail(failureHeadline(), detail);
    else if (state == State::Stopped)
        reporter_.report(stoppedMessage(position(),
                                        std::string(conditionText(stoppedFor_.condition)),
                                        stopNote(stoppedFor_.condition, stoppedFor_.labelsHeld)));
    else if (state == State::Cancelled)
        reporter_.report(source_->count() > 1
                             ? cancelledMessage(position())
                             : cancelledMessage(static_cast<std::uint64_t>(sentAtEnd_),
                                                static_cast<std::uint64_t>(total())));
}

StopNote PrintTransmission::stopNote(PrinterCondition condition,
                                     std::optional<long long> held) const {
    const PrintPosition at = position();
    const long long label = at.before + at.taken + 1;
    StopNote note{held, source_->recordOf(label), {}};
    if (wayOn_) {
        note.wayOn = wayOn_(label);
        if (const std::string_view when = readyAgainText(condition); !when.empty())
            note.wayOn.append(" ").append(when);
    }
    return note;
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
