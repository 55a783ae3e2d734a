#include "app/shell/Recovery.h"

#include "app/scriptpane/CCodeView.h"
#include "app/shell/CFolioApp.h"
#include "app/shell/CFolioDoc.h"
#include "document/ScriptFileEncoder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace quillset {

namespace {

const QString kSuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");

QString lockPathOf(const QString& recoveryFile) {
    return recoveryFile.chopped(kSuffix.size()) + kLockSuffix;
}

QString recoveryPathOf(const QString& lockFile) {
    return lockFile.chopped(kLockSuffix.size()) + kSuffix;
}

} // namespace

Recovery::Recovery(CFolioDoc& document, CCodeView& scriptPane, QObject* parent)
    : QObject(parent)
    , document_(document)
    , scriptPane_(scriptPane) {
    QDir().mkpath(folder());
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch());
    path_ = QDir(folder()).filePath(name + kSuffix);
    lock_ = std::make_unique<QLockFile>(lockPathOf(path_));
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);

    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Recovery::write);
    connect(&document_, &CFolioDoc::changed, this, [this](CFolioDoc::Changes what) {
        if (what & CFolioDoc::Change::Modified)
            document_.isModified() ? schedule(kAfterStep) : remove();
        if (what & CFolioDoc::Change::History)
            schedule(kAfterStep);
    });
    connect(&scriptPane_, &QPlainTextEdit::textChanged, this, [this] { schedule(kWhileTyping); });
}

Recovery::~Recovery() {
    remove();
}

QString Recovery::folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("quillset"));
}

void Recovery::schedule(int delay) {
    if (!timer_.isActive() || timer_.remainingTime() > delay)
        timer_.start(delay);
}

// The first line names the document's file (empty for a new one); the rest
// is the page stream as Save writes it.
void Recovery::write() {
    if (!document_.isModified()) {
        remove();
        return;
    }
    // Typing not yet compiled is only in the pane; otherwise the document's
    // script is written as it stands, never copied, however long it is.
    const std::string typed =
        scriptPane_.hasTypedText() ? scriptPane_.text().toStdString() : std::string();
    const std::string_view script =
        scriptPane_.hasTypedText() ? std::string_view(typed) : document_.session().script();
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QFile::encodeName(document_.pathName()) + '\n');
    const auto append = [&file](std::string_view piece) {
        return file.write(piece.data(), static_cast<qint64>(piece.size())) ==
               static_cast<qint64>(piece.size());
    };
    if (appendScriptFile(append, document_.session().settings(), script))
        file.commit();
}

void Recovery::remove() {
    timer_.stop();
    QFile::remove(path_);
}

void Recovery::offerLeftOver(QWidget* parent) {
    const QFileInfoList files =
        QDir(folder()).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path == path_)
            continue;
        // Held while asking, so that a program started meanwhile passes it by.
        QLockFile owner(lockPathOf(path));
        owner.setStaleLockTime(0);
        if (owner.tryLock(0) && offer(path, parent))
            return;
    }
    // The locks of programs that ended with nothing to keep.
    const QFileInfoList locks =
        QDir(folder()).entryInfoList({QStringLiteral("*") + kLockSuffix}, QDir::Files);
    for (const QFileInfo& lock : locks) {
        const QString path = lock.absoluteFilePath();
        if (QFileInfo::exists(recoveryPathOf(path)))
            continue;
        QLockFile stale(path);
        stale.setStaleLockTime(0);
        stale.tryLock(0);
    }
}

bool Recovery::offer(const QString& file, QWidget* parent) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = in.readAll();
    in.close();
    const qsizetype lineEnd = content.indexOf('\n');
    const QString documentPath = QFile::decodeName(content.left(std::max<qsizetype>(lineEnd, 0)));
    const QByteArray bytes = content.mid(lineEnd + 1);
    const QString name =
        documentPath.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(documentPath).fileName();

    QMessageBox box(QMessageBox::Question, QString::fromLatin1(CFolioApp::kTitle),
                    QStringLiteral("Quillset closed without saving the changes to %1. "
                                   "Recover them?")
                        .arg(name),
                    QMessageBox::Yes | QMessageBox::Discard, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Recover"));
    box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) {
        document_.recover(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                          documentPath);
        write();
    }
    if (answer == QMessageBox::Yes || answer == QMessageBox::Discard) {
        QFile::remove(file);
        return answer == QMessageBox::Yes;
    }
    return false;
}

} // namespace quillset
