#include "app/CFolioDoc.h"

#include "model/Reporter.h"
#include "model/ScriptFile.h"
#include "printer/SerialPort.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillset {

CFolioDoc::CFolioDoc(int printerType, QObject* parent)
    : QObject(parent)
    , session_(printerType) {}

QString CFolioDoc::script() const {
    return QString::fromStdString(session_.script());
}

void CFolioDoc::setScript(const QString& script) {
    session_.setScript(script.toStdString());
}

void CFolioDoc::SetModifiedFlag(bool modified) {
    session_.setModified(modified);
}

QString CFolioDoc::title() const {
    return pathName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(pathName_).fileName();
}

bool CFolioDoc::OnNewDocument() {
    session_.newDocument();
    setPathName(QString());
    emit scriptReplaced();
    emit pageChanged();
    return true;
}

bool CFolioDoc::OnOpenDocument(const QString& path, Reporter& reporter) {
    if (!session_.open(QFile::encodeName(path).toStdString(), reporter))
        return false;
    setPathName(QFileInfo(path).absoluteFilePath());
    emit scriptReplaced();
    emit pageChanged();
    return true;
}

bool CFolioDoc::OnSaveDocument(const QString& path, Reporter& reporter) {
    const std::string bytes = session_.fileBytes();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reporter.report(kOpenForWriteFailed);
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        reporter.report(kWriteFailed);
        return false;
    }
    session_.setModified(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

void CFolioDoc::compile(const QString& paneText) {
    session_.compile(paneText.toStdString());
    emit pageChanged();
}

void CFolioDoc::print(SerialPort& port, Reporter& reporter) const {
    port.Transmit(session_.printStream(), reporter);
}

void CFolioDoc::setPathName(const QString& path) {
    pathName_ = path;
    emit titleChanged();
}

} // namespace quillset
