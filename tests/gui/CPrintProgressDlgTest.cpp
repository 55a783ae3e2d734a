#include "GuiTestMain.h"

#include "PseudoTerminal.h"
#include "app/dialogs/CPrintProgressDlg.h"
#include "app/dialogs/MessageBoxReporter.h"
#include "language/PrintSource.h"
#include "printer/PrintProgress.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"
#include "printer/SerialTransmission.h"
#include "tests/engine/RecordingReporter.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <atomic>
#include <functional>
#include <thread>

using namespace quillset;
using namespace std::chrono_literals;

namespace {

// Reads the pseudo-terminal on a thread of its own until it is destroyed.
class Reader {
public:
    explicit Reader(PseudoTerminal& pty)
        : thread_([this, &pty] {
            while (!stop_)
                received_ += pty.read(4096, 20ms);
            received_ += pty.read(1 << 20, 300ms);
        }) {}
    ~Reader() { finish(); }
    const std::string& finish() {
        if (thread_.joinable()) {
            stop_ = true;
            thread_.join();
        }
        return received_;
    }

private:
    std::atomic<bool> stop_ = false;
    std::string received_;
    std::thread thread_;
};

std::string pageBytes(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>('A' + i % 26));
    return bytes;
}

// Watches, while Print's dialog is up, for the dialog and hands it to `act`
// once; it keeps running until it is destroyed.
class DialogWatch : public QObject {
public:
    explicit DialogWatch(std::function<bool(CPrintProgressDlg&)> act)
        : act_(std::move(act)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<CPrintProgressDlg*>(QApplication::activeModalWidget());
            if (dialog && !done_)
                done_ = act_(*dialog);
        });
        timer_.start(10);
    }
    bool done() const { return done_; }

private:
    std::function<bool(CPrintProgressDlg&)> act_;
    QTimer timer_;
    bool done_ = false;
};

QStringList unnamedControls(QWidget& dialog) {
    QStringList unnamed;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QProgressBar*>(widget) ||
                             qobject_cast<QPushButton*>(widget);
        if (control && widget->accessibleName().isEmpty())
            unnamed << widget->metaObject()->className();
    }
    return unnamed;
}

} // namespace

class CPrintProgressDlgTest : public QObject {
    Q_OBJECT
public:
    explicit CPrintProgressDlgTest(CFolioApp&) {}

private slots:
    void init() {
        QVERIFY(pty_.isOpen());
        QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Quillset"));
        settings.clear();
        setPortDevice(QStringLiteral("COM3"), QString::fromStdString(pty_.slavePath()));
        port_.portName = QStringLiteral("COM3");
    }

    // 3,000 bytes at 1200 bit/s take half a minute: the dialog shows them go
    // out, and Cancel ends the print where it stands.
    void cancelStopsAndSaysHowMuchWentOut() {
        port_.baudRate = 1200;
        const std::string bytes = pageBytes(3000);
        Reader reader(pty_);
        QString where, status;
        QStringList unnamed;
        DialogWatch watch([&](CPrintProgressDlg& dialog) {
            auto* bar = dialog.findChild<QProgressBar*>();
            if (bar->value() < 120)
                return false;
            where = dialog.findChildren<QLabel*>().value(0)->text();
            status = dialog.findChildren<QLabel*>().value(1)->text();
            unnamed = unnamedControls(dialog);
            QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
            return true;
        });
        RecordingReporter reporter;
        SerialTransmission transmission(port_, pageSource(bytes), reporter);
        const bool sent = CPrintProgressDlg::send(transmission, QStringLiteral("Script"), nullptr);
        const std::string received = reader.finish();

        QVERIFY(watch.done());
        QVERIFY(!sent);
        QCOMPARE(where, QStringLiteral("Printing to COM3 (%1) at 1200 bit/s (Script)")
                            .arg(QString::fromStdString(pty_.slavePath())));
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9,]+ of 3,000 bytes, [0-9]+ s left$"))
                     .match(status)
                     .hasMatch(),
                 qPrintable(status));
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(reporter.messages.size(), std::size_t{1});
        const QRegularExpressionMatch cancelled =
            QRegularExpression(QStringLiteral("^Printing cancelled after ([0-9,]+) of 3,000 "
                                              "bytes; the printer may hold part of the page\\.$"))
                .match(QString::fromStdString(reporter.messages[0]));
        QVERIFY2(cancelled.hasMatch(), reporter.messages[0].c_str());
        const std::size_t count = cancelled.captured(1).remove(',').toULong();
        QVERIFY(count >= 120 && count < 1000);
        QVERIFY(received.size() <= count);
        QVERIFY2(bytes.starts_with(received), "what arrived is the start of the page");
        QVERIFY(pty_.slaveIsFree());
    }

    void aFinishedPrintClosesTheDialogWithoutAWord() {
        port_.baudRate = 115200;
        const std::string bytes = pageBytes(6000);
        Reader reader(pty_);
        DialogWatch watch([](CPrintProgressDlg&) { return true; });
        RecordingReporter reporter;
        SerialTransmission transmission(port_, pageSource(bytes), reporter);
        QVERIFY(CPrintProgressDlg::send(transmission, QStringLiteral("Script"), nullptr));
        QVERIFY(watch.done());
        QCOMPARE(reporter.messages, std::vector<std::string>{});
        QVERIFY(reader.finish() == bytes);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // The message stays the box's text; the detail goes under it.
    void messageBoxesShowTheDetailUnderTheMessage() {
        QString text, detail;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            detail = box->informativeText();
            box->accept();
        });
        MessageBoxReporter reporter(nullptr);
        reporter.reportWithDetail("Com port could not be opened.",
                                  "/dev/ttyUSB0: Permission denied\nAdd your user to the "
                                  "dialout group, then log in again.");
        QCOMPARE(text, QStringLiteral("Com port could not be opened."));
        QCOMPARE(detail, QStringLiteral("/dev/ttyUSB0: Permission denied\nAdd your user to the "
                                        "dialout group, then log in again."));
    }

private:
    PseudoTerminal pty_;
    SerialPort port_;
};

QUILLSET_GUI_TEST_MAIN(CPrintProgressDlgTest)
#include "CPrintProgressDlgTest.moc"
