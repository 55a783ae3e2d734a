#include "printer/PrintTransmission.h"

#include "language/LanguageOptions.h"
#include "language/PrintSource.h"
#include "printer/PrintProgress.h"
#include "tests/engine/RecordingReporter.h"

#include <QCoreApplication>
#include <QIODevice>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// Where a stopped print says it stopped when the printer's answer comes
// before the line has told that it wrote the question: a connection whose
// far end confirms the bytes and answers only when the test says, so that
// the two come in that order every time, not by chance.
namespace quillset {
namespace {

constexpr std::size_t kPageSize = 1000;

class Labels : public PrintSource {
public:
    explicit Labels(int count)
        : count_(count) {}
    bool next(std::string& out) override {
        if (made_ == count_)
            return false;
        out.append(kPageSize, static_cast<char>('a' + made_++));
        return true;
    }
    long long count() const override { return count_; }

private:
    int count_;
    int made_ = 0;
};

// The printer's side of the status questions: what it is asked stays
// unconfirmed until confirm(); what it answers is read when answer() says.
class QuestionLine : public QIODevice {
public:
    QuestionLine() { open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return static_cast<qint64>(answers_.size()) + QIODevice::bytesAvailable();
    }
    void answer(const std::string& bytes) {
        answers_ += bytes;
        emit readyRead();
    }
    qint64 asked = 0;

protected:
    qint64 readData(char* data, qint64 most) override {
        const auto n = std::min(static_cast<std::size_t>(most), answers_.size());
        std::memcpy(data, answers_.data(), n);
        answers_.erase(0, n);
        return static_cast<qint64>(n);
    }
    qint64 writeData(const char*, qint64 size) override {
        asked += size;
        return size;
    }

private:
    std::string answers_;
};

// Hands on each page as soon as it may and counts it taken at once; a
// question counts as written only once confirmed.
class OrderedConnection : public PrintTransmission {
public:
    OrderedConnection(std::unique_ptr<PrintSource> source, Reporter& reporter)
        : PrintTransmission(std::move(source), reporter, nullptr) {
        connect(this, &PrintTransmission::progressed, this,
                [this](qint64 sent, qint64) { progress.push_back(sent); });
    }
    bool start() override {
        state_ = State::Sending;
        pump();
        return true;
    }
    QString target() const override { return QStringLiteral("ordered"); }

    void pump() {
        while (state_ == State::Sending) {
            if (!mayHand(handed_)) {
                showProgress();
                return;
            }
            const std::string_view rest = bytesFrom(handed_);
            if (rest.empty()) {
                if (showProgress())
                    finish(State::Sent);
                return;
            }
            handed_ += static_cast<qint64>(rest.size());
            if (!showProgress())
                return;
        }
    }
    void confirmQuestions() { confirmed_ = line.asked; }

    QuestionLine line;
    std::vector<qint64> progress;

protected:
    qint64 takenSoFar() const override { return handed_ + confirmed_ - questionBytes(); }
    void closeConnection(State) override { line.close(); }
    QIODevice* answerLine() override { return line.isOpen() ? &line : nullptr; }

private:
    qint64 handed_ = 0;
    qint64 confirmed_ = 0;
};

const std::string kReady("\x00", 1);
const std::string kPaperOut("\x04", 1);

// The TSPL printer answers each question as the test orders; `stopAt` is
// the label before which it runs out of paper.
struct StopCase {
    int labels;
    int stopAt;
    bool answerBeforeConfirming;
    const char* message;
};

TEST(StopCount, TheLabelsTakenStayTakenWhateverComesFirst) {
    const StopCase cases[] = {
        {3, 2, true, "Stopped before label 2 of 3: paper out."},
        {3, 2, false, "Stopped before label 2 of 3: paper out."},
        {4, 4, true, "Stopped before label 4 of 4: paper out."},
        {3, 1, true, "Stopped before label 1 of 3: paper out."},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.message);
        RecordingReporter reporter;
        OrderedConnection connection(std::make_unique<Labels>(c.labels), reporter);
        connection.askPrinter(PrinterLanguage::Tspl);
        ASSERT_TRUE(connection.start());
        for (int label = 1; label <= c.labels; ++label) {
            ASSERT_EQ(connection.state(), PrintTransmission::State::Sending);
            ASSERT_EQ(connection.line.asked, 3 * label) << "asked before label " << label;
            const std::string& answer = label == c.stopAt ? kPaperOut : kReady;
            if (!c.answerBeforeConfirming)
                connection.confirmQuestions();
            connection.line.answer(answer);
            QCoreApplication::processEvents();
            connection.confirmQuestions();
            if (label == c.stopAt)
                break;
            connection.pump();
        }
        EXPECT_EQ(connection.state(), PrintTransmission::State::Stopped);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(std::is_sorted(connection.progress.begin(), connection.progress.end()))
            << "the count of bytes taken never falls back";
        const PrintPosition at = connection.position();
        EXPECT_EQ(at.taken, c.stopAt - 1);
        EXPECT_EQ(at.sent, 0u);
        EXPECT_EQ(connection.sent(), static_cast<qint64>(kPageSize) * (c.stopAt - 1));
    }
}

} // namespace
} // namespace quillset
