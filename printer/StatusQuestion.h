#pragma once

#include "language/PrinterLanguage.h"
#include "language/PrinterStatus.h"

#include <QIODevice>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

namespace quillset {

// One status query on a line that goes both ways, and its answer, from the
// event loop: ask() sends the language's query and `answered` comes once,
// with what the printer told, or "no answer" when it told nothing whole in
// time. Bytes that wait on the line before the query are not the answer and
// are dropped. A device file opened without blocking is read every few ms.
class StatusQuestion : public QObject {
    Q_OBJECT
public:
    explicit StatusQuestion(PrinterLanguage language, QObject* parent = nullptr);

    void setTimeout(std::chrono::milliseconds timeout) { timeout_.setInterval(timeout); }
    // `line` is open for reading and writing, and outlives the question.
    void ask(QIODevice& line);
    // Forgets the question under way; `answered` does not come.
    void drop();
    bool asking() const { return line_ != nullptr; }
    // The bytes ask() writes.
    qint64 querySize() const { return static_cast<qint64>(info_.statusQuery.size()); }

signals:
    void answered(const quillset::PrinterStatus& status);

private:
    void read();
    void timedOut();
    void end(const PrinterStatus& status);

    const LanguageInfo& info_;
    QIODevice* line_ = nullptr;
    QMetaObject::Connection reading_;
    std::string answer_;
    QTimer timeout_;
    QTimer poll_; // for a device file, which does not tell when it can be read
};

} // namespace quillset
