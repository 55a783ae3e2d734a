#include "app/shell/CFolioDoc.h"

#include "app/pageview/PagePicture.h"
#include "app/shell/TypedText.h"
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

using Change = CFolioDoc::Change;

// What New, Open and Recover change: everything the views show.
constexpr CFolioDoc::Changes kReplaced = {Change::History, Change::Title, Change::List,
                                          Change::Script,  Change::Page,  Change::Opened};

} // namespace

CFolioDoc::CFolioDoc(int printerType, QObject* parent)
    : QObject(parent)
    , session_(printerType) {
    history_.clear(state());
}

FolioSession& CFolioDoc::upToDate() {
    const bool wasModified = isModified();
    tell(compileTyped(), wasModified);
    return session_;
}

QString CFolioDoc::script() const {
    return QString::fromStdString(session_.script());
}

void CFolioDoc::setScript(const QString& script) {
    session_.setScript(script.toStdString());
}

void CFolioDoc::markModified() {
    const bool wasModified = isModified();
    session_.setModified(true);
    tell({}, wasModified);
}

void CFolioDoc::typingStarted() {
    const bool wasModified = isModified();
    session_.setModified(true);
    tell(Change::History, wasModified);
}

QString CFolioDoc::title() const {
    return pathName_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(pathName_).fileName();
}

DocumentState CFolioDoc::state() const {
    return {session_.sharedScript(), session_.settings(), session_.printerType()};
}

CFolioDoc::Changes CFolioDoc::stepFinished(const DocumentState& before) {
    history_.record(before, state());
    session_.setModified(true);
    return Change::History;
}

void CFolioDoc::clearHistory() {
    history_.clear(state());
    session_.setModified(false);
}

CFolioDoc::Changes CFolioDoc::replaced(const QString& path) {
    pathName_ = path;
    return kReplaced;
}

void CFolioDoc::newDocument() {
    const bool wasModified = isModified();
    session_.newDocument();
    clearHistory();
    tell(replaced(QString()), wasModified);
}

void CFolioDoc::adoptOpened(FolioSession& loaded, const QString& path) {
    const bool wasModified = isModified();
    session_.adopt(loaded);
    clearHistory();
    tell(replaced(QFileInfo(path).absoluteFilePath()), wasModified);
}

void CFolioDoc::recover(std::string_view fileBytes, const QString& path) {
    const bool wasModified = isModified();
    SignalReporter reporter(*this);
    session_.openBytes(fileBytes, reporter);
    history_.clear(state());
    history_.markUnsaved();
    session_.setModified(true);
    tell(replaced(path), wasModified);
}

bool CFolioDoc::saveDocument(const QString& path, Reporter& reporter) {
    const bool wasModified = isModified();
    Changes what = compileTyped();
    const bool saved = session_.save(QFile::encodeName(path).toStdString(), reporter);
    if (saved) {
        history_.markSaved();
        pathName_ = QFileInfo(path).absoluteFilePath();
        what |= Change::Title;
    }
    tell(what, wasModified);
    return saved;
}

void CFolioDoc::compile(const QString& paneText) {
    const bool wasModified = isModified();
    tell(compileText(paneText), wasModified);
}

CFolioDoc::Changes CFolioDoc::compileText(const QString& paneText) {
    const DocumentState before = state();
    SignalReporter reporter(*this);
    session_.compile(paneText.toStdString(), reporter);
    return stepFinished(before) | Change::List | Change::Page;
}

CFolioDoc::Changes CFolioDoc::compileTyped() {
    if (!typed_)
        return {};
    const std::optional<QString> typed = typed_->takeTypedText();
    return typed ? compileText(*typed) : Changes();
}

void CFolioDoc::compileScript() {
    const bool wasModified = isModified();
    SignalReporter reporter(*this);
    // Reading the script into itself leaves it as it is.
    session_.compile(session_.sharedScript(), reporter);
    session_.setModified(true);
    tell({Change::List, Change::Page}, wasModified);
}

// The objects have changed but the script has not been written again yet, so
// the script and the settings are still the state before the edit.
void CFolioDoc::editFinished() {
    const bool wasModified = isModified();
    tell(finishEdit(state()), wasModified);
}

void CFolioDoc::setPageSettings(const PageSettings& page, std::optional<int> printerType) {
    const bool wasModified = isModified();
    Changes what = compileTyped();
    const DocumentState before = state();
    session_.settings() = page;
    session_.settings().normalise();
    if (printerType)
        session_.setPrinterType(*printerType);
    tell(what | finishEdit(before), wasModified);
}

CFolioDoc::Changes CFolioDoc::finishEdit(const DocumentState& before) {
    session_.editFinished();
    return stepFinished(before) | Change::Script | Change::Page;
}

bool CFolioDoc::canUndo() const {
    return history_.canUndo() || (typed_ && typed_->hasTypedText());
}

void CFolioDoc::undo() {
    const bool wasModified = isModified();
    Changes what = compileTyped();
    if (history_.canUndo())
        what |= restore(history_.undo());
    tell(what, wasModified);
}

void CFolioDoc::redo() {
    const bool wasModified = isModified();
    Changes what = compileTyped();
    if (history_.canRedo())
        what |= restore(history_.redo());
    tell(what, wasModified);
}

CFolioDoc::Changes CFolioDoc::restore(const DocumentState& state) {
    session_.settings() = state.settings;
    session_.setPrinterType(state.printerType);
    session_.compile(state.script);
    session_.setModified(!history_.atSavedState());
    return {Change::History, Change::List, Change::Script, Change::Page};
}

bool CFolioDoc::exportImage(const QString& path, Reporter& reporter) {
    upToDate();
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

void CFolioDoc::tell(Changes what, bool wasModified) {
    if (isModified() != wasModified)
        what |= Change::Modified;
    if (what)
        emit changed(what);
}

} // namespace quillset
