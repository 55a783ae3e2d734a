#include "app/shell/CFolioDoc.h"

#include "app/pageview/PagePicture.h"
#include "document/ScriptFile.h"
#include "model/PageSettings.h"
#include "model/Reporter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    , session_(printerType) {
    history_.clear(state());
}

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

DocumentState CFolioDoc::state() const {
    return {session_.sharedScript(), session_.settings(), session_.printerType()};
}

void CFolioDoc::stepFinished(const DocumentState& before) {
    history_.record(before, state());
    setModified(true);
    emit historyChanged();
}

void CFolioDoc::historyCleared() {
    history_.clear(state());
    setModified(false);
    emit historyChanged();
}

void CFolioDoc::newDocument() {
    session_.newDocument();
    historyCleared();
    setPathName(QString());
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
    emit opened();
}

void CFolioDoc::adoptOpened(FolioSession& loaded, const QString& path) {
    session_.adopt(loaded);
    historyCleared();
    setPathName(QFileInfo(path).absoluteFilePath());
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
    emit opened();
}

void CFolioDoc::recover(std::string_view fileBytes, const QString& path) {
    SignalReporter reporter(*this);
    session_.openBytes(fileBytes, reporter);
    history_.clear(state());
    history_.markUnsaved();
    setModified(true);
    emit historyChanged();
    setPathName(path);
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
    emit opened();
}

bool CFolioDoc::saveDocument(const QString& path, Reporter& reporter) {
    if (!session_.save(QFile::encodeName(path).toStdString(), reporter))
        return false;
    history_.markSaved();
    setModified(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

void CFolioDoc::compile(const QString& paneText) {
    const DocumentState before = state();
    SignalReporter reporter(*this);
    session_.compile(paneText.toStdString(), reporter);
    stepFinished(before);
    emit listReplaced();
    emit pageChanged();
}

void CFolioDoc::compileScript() {
    SignalReporter reporter(*this);
    // Reading the script into itself leaves it as it is.
    session_.compile(session_.sharedScript(), reporter);
    setModified(true);
    emit listReplaced();
    emit pageChanged();
}

// The objects have changed but the script has not been written again yet, so
// the script and the settings are still the state before the edit.
void CFolioDoc::editFinished() {
    finishEdit(state());
}

void CFolioDoc::setPageSettings(const PageSettings& page, std::optional<int> printerType) {
    const DocumentState before = state();
    session_.settings() = page;
    session_.settings().normalise();
    if (printerType)
        session_.setPrinterType(*printerType);
    finishEdit(before);
}

void CFolioDoc::finishEdit(const DocumentState& before) {
    session_.editFinished();
    stepFinished(before);
    emit scriptReplaced();
    emit pageChanged();
}

void CFolioDoc::undo() {
    if (history_.canUndo())
        restore(history_.undo());
}

void CFolioDoc::redo() {
    if (history_.canRedo())
        restore(history_.redo());
}

void CFolioDoc::restore(const DocumentState& state) {
    session_.settings() = state.settings;
    session_.setPrinterType(state.printerType);
    session_.compile(state.script);
    setModified(!history_.atSavedState());
    emit historyChanged();
    emit listReplaced();
    emit scriptReplaced();
    emit pageChanged();
}

bool CFolioDoc::exportImage(const QString& path, Reporter& reporter) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reporter.report(kOpenForWriteFailed);
        return false;
    }
    if (!pagePicture(session_.raster()).save(&file, "PNG") || !file.commit()) {
        reporter.report(kWriteFailed);
        return false;
    }
    return true;
}

void CFolioDoc::setPathName(const QString& path) {
    pathName_ = path;
    emit titleChanged();
}

} // namespace quillset
