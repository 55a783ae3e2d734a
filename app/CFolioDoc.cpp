#include "app/CFolioDoc.h"

#include "model/PageSettings.h"
#include "model/Reporter.h"
#include "printer/SerialPort.h"

#include <QFile>
#include <QFileInfo>

namespace quillset {

namespace {

// The engine's messages as the document's warning signal.
class SignalReporter : public Reporter {
public:
    explicit SignalReporter(CFolioDoc& document)
        : document_(document) {}
    void report(const std::string& message) override {
        emit document_.warning(QString::fromStdString(message));
    }

private:
    CFolioDoc& document_;
};

} // namespace

CFolioDoc::CFolioDoc(int printerType, QObject* parent)
    : QObject(parent)
    , session_(printerType) {}

QString CFolioDoc::script() const {
    return QString::fromStdString(session_.script());
}

void CFolioDoc::setScript(const QString& script) {
    session_.setScript(script.toStdString());
}

void CFolioDoc::markModified() {
    setModified(true);
}

void CFolioDoc::setModified(bool modified) {
    session_.setModified(modified);
    if (modified == modifiedShown_)
        return;
    modifiedShown_ = modified;
    emit modifiedChanged(modified);
}

QString CFolioDoc::title() const {
    return pathName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(pathName_).fileName();
}

void CFolioDoc::newDocument() {
    session_.newDocument();
    setModified(false);
    setPathName(QString());
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
}

bool CFolioDoc::openDocument(const QString& path, Reporter& reporter) {
    if (!session_.open(QFile::encodeName(path).toStdString(), reporter))
        return false;
    setModified(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
    return true;
}

bool CFolioDoc::saveDocument(const QString& path, Reporter& reporter) {
    if (!session_.save(QFile::encodeName(path).toStdString(), reporter))
        return false;
    setModified(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

void CFolioDoc::compile(const QString& paneText) {
    SignalReporter reporter(*this);
    session_.compile(paneText.toStdString(), reporter);
    setModified(true);
    emit listReplaced();
    emit pageChanged();
}

void CFolioDoc::editFinished() {
    session_.editFinished();
    setModified(true);
    emit scriptReplaced();
    emit pageChanged();
}

void CFolioDoc::setPageSettings(const PageSettings& page) {
    session_.settings() = page;
    session_.settings().normalise();
    editFinished();
}

void CFolioDoc::print(SerialPort& port, Reporter& reporter) const {
    port.Transmit(session_.printStream(), reporter);
}

void CFolioDoc::setPathName(const QString& path) {
    pathName_ = path;
    emit titleChanged();
}

} // namespace quillset
