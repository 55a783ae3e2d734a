#include "app/commands/BackgroundOpen.h"

#include "document/FolioSession.h"
#include "model/PageSettings.h"
#include "model/Reporter.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>

namespace quillset {

namespace {

// How long an open may take before its dialog shows: most files are done
// well before, and a dialog flashing up would only distract.
constexpr int kQuietMs = 300;

class CollectingReporter : public Reporter {
public:
    explicit CollectingReporter(std::vector<std::string>& messages)
        : messages_(messages) {}
    void report(const std::string& message) override { messages_.push_back(message); }

private:
    std::vector<std::string>& messages_;
};

// Shared by the window and the worker, so that a cancelled open can end on
// its own. The worker fills `result`; the window reads it only once `done`,
// which like `waiting` is touched on the window's thread alone: the worker
// hands its end over through the event queue.
struct OpenJob {
    OpenedFile result;
    bool done = false;
    QEventLoop* waiting = nullptr;
};

} // namespace

std::optional<OpenedFile> openInBackground(const QString& path, const FolioSession& current,
                                           QWidget* parent) {
    auto job = std::make_shared<OpenJob>();
    job->result.session = std::make_unique<FolioSession>(current.printerType());
    job->result.session->settings() = current.settings();
    QThreadPool::globalInstance()->start([job, file = QFile::encodeName(path).toStdString()] {
        CollectingReporter reporter(job->result.messages);
        if (!job->result.session->open(file, reporter))
            job->result.session.reset();
        QMetaObject::invokeMethod(
            qApp,
            [job] {
                job->done = true;
                if (job->waiting)
                    job->waiting->quit();
            },
            Qt::QueuedConnection);
    });

    QEventLoop loop;
    job->waiting = &loop;
    QTimer::singleShot(kQuietMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!job->done) {
        QProgressDialog dialog(parent);
        dialog.setWindowTitle(QStringLiteral("Opening"));
        dialog.setAccessibleName(QStringLiteral("Opening"));
        auto* label = new QLabel(
            QStringLiteral("Opening %1...").arg(QFileInfo(path).fileName()), &dialog);
        label->setAccessibleName(QStringLiteral("Opening file"));
        dialog.setLabel(label);
        auto* bar = new QProgressBar(&dialog);
        bar->setAccessibleName(QStringLiteral("Opening progress"));
        dialog.setBar(bar);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        cancel->setAccessibleName(QStringLiteral("Cancel opening"));
        dialog.setCancelButton(cancel);
        // A busy bar: how far the reading has come is not known.
        dialog.setRange(0, 0);
        dialog.setMinimumDuration(0);
        dialog.setWindowModality(Qt::ApplicationModal);
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        dialog.show();
        loop.exec();
    }
    job->waiting = nullptr;
    if (!job->done)
        return std::nullopt;
    return std::move(job->result);
}

} // namespace quillset
