#include "printer/StatusQuestion.h"

#include <QFileDevice>

namespace quillset {

namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 2s;
constexpr auto kPoll = 10ms;

} // namespace

StatusQuestion::StatusQuestion(PrinterLanguage language, QObject* parent)
    : QObject(parent)
    , info_(languageInfo(language)) {
    timeout_.setSingleShot(true);
    timeout_.setInterval(kTimeout);
    connect(&timeout_, &QTimer::timeout, this, &StatusQuestion::timedOut);
    poll_.setInterval(kPoll);
    connect(&poll_, &QTimer::timeout, this, &StatusQuestion::read);
}

void StatusQuestion::ask(QIODevice& line) {
    drop();
    line.readAll();
    line_ = &line;
    answer_.clear();
    reading_ = connect(&line, &QIODevice::readyRead, this, &StatusQuestion::read);
    timeout_.start();
    if (qobject_cast<QFileDevice*>(&line))
        poll_.start();
    line.write(info_.statusQuery.data(), static_cast<qint64>(info_.statusQuery.size()));
}

void StatusQuestion::drop() {
    disconnect(reading_);
    timeout_.stop();
    poll_.stop();
    line_ = nullptr;
}

void StatusQuestion::read() {
    if (!line_)
        return;
    const QByteArray bytes = line_->readAll();
    answer_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const auto status = info_.readStatus(answer_))
        end(*status);
}

void StatusQuestion::timedOut() {
    if (!line_)
        return;
    const auto seconds = std::to_string((timeout_.interval() + 999) / 1000);
    end(PrinterStatus{PrinterCondition::NoAnswer, "nothing within " + seconds + " s",
                      std::nullopt});
}

void StatusQuestion::end(const PrinterStatus& status) {
    drop();
    emit answered(status);
}

} // namespace quillset
