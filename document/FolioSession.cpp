#include "document/FolioSession.h"

#include "document/Compile.h"
#include "document/FontTextObject.h"
#include "document/PageRenderer.h"
#include "document/ScriptFile.h"
#include "document/ScriptFileEncoder.h"
#include "language/PrintJob.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "model/ScriptGenerator.h"
#include "picture/PictureObject.h"

#include <utility>

namespace quillset {

FolioSession::FolioSession(int printerType)
    : printerType_(normalisedPrinterType(printerType))
    , renderer_(std::make_unique<PageRenderer>(printerType_))
    , objects_(std::make_unique<ObjectList>())
    , script_(std::make_shared<const std::string>()) {}

FolioSession::~FolioSession() = default;

PageSettings& FolioSession::settings() {
    return renderer_->raster().settings;
}

const PageSettings& FolioSession::settings() const {
    return renderer_->raster().settings;
}

const PageRaster& FolioSession::raster() const {
    return renderer_->raster();
}

void FolioSession::compileScript() {
    loadListFromUtf8(*objects_, kept_, *script_, renderer_->text());
    render();
}

void FolioSession::reportKeptLines(Reporter& reporter) const {
    if (!kept_.empty())
        reporter.report(keptLinesWarning());
}

void FolioSession::compile(std::string_view paneText, Reporter& reporter) {
    compile(paneText);
    reportKeptLines(reporter);
}

void FolioSession::compile(std::string_view paneText) {
    compile(std::make_shared<const std::string>(paneText));
}

void FolioSession::compile(SharedScript script, Reporter& reporter) {
    compile(std::move(script));
    reportKeptLines(reporter);
}

void FolioSession::compile(SharedScript script) {
    script_ = std::move(script);
    compileScript();
    modified_ = true;
}

void FolioSession::setScript(std::string utf8) {
    script_ = std::make_shared<const std::string>(std::move(utf8));
}

void FolioSession::regenerate() {
    // The old script goes first, unless the edit history keeps it: with a
    // huge kept line it is as large as the new one, and only the objects
    // are read.
    script_.reset();
    script_ = std::make_shared<const std::string>(generateScript(*objects_, kept_));
}

void FolioSession::render() {
    renderer_->RenderPage(*objects_);
}

void FolioSession::editFinished() {
    regenerate();
    render();
    modified_ = true;
}

void FolioSession::updateBounds(PageObject& object) {
    if (object.kind == ObjectKind::Text)
        setTextBounds(object, renderer_->text());
    else if (object.kind == ObjectKind::Barcode)
        setBarcodeBounds(object);
    else if (object.kind == ObjectKind::Symbol)
        setSymbolBounds(object);
    else if (object.kind == ObjectKind::Picture)
        placePicture(object, object.x, object.y);
    else if (object.kind == ObjectKind::FontText)
        setFontTextBounds(object);
}

void FolioSession::newDocument() {
    script_ = std::make_shared<const std::string>();
    compileScript();
    modified_ = false;
}

bool FolioSession::open(const std::string& path, Reporter& reporter) {
    std::string bytes;
    if (!readScriptFile(path, bytes, reporter))
        return false;
    openBytes(bytes, reporter);
    return true;
}

void FolioSession::openBytes(std::string_view fileBytes, Reporter& reporter) {
    LoadedScript loaded = loadScript(fileBytes, settings());
    if (loaded.longLines)
        reporter.report(longLineWarning());
    script_ = std::make_shared<const std::string>(std::move(loaded.script));
    compileScript();
    reportKeptLines(reporter);
    regenerate();
    render();
    // The page view shows the opened document by compiling its script again,
    // so the objects are exactly what the regenerated script says.
    compileScript();
    modified_ = false;
}

void FolioSession::adopt(FolioSession& opened) {
    settings() = opened.settings();
    printerType_ = opened.printerType_;
    script_ = std::exchange(opened.script_, std::make_shared<const std::string>());
    objects_.swap(opened.objects_);
    opened.objects_->clear();
    kept_ = std::move(opened.kept_);
    opened.kept_.clear();
    render();
    modified_ = false;
}

std::string FolioSession::fileBytes() const {
    std::string bytes;
    appendScriptFile(appendingTo(bytes), settings(), *script_);
    return bytes;
}

bool FolioSession::save(const std::string& path, Reporter& reporter) {
    // Written as it is converted: a script of any size is never held twice.
    const auto produce = [this](const FileAppend& append) {
        return appendScriptFile(append, settings(), *script_);
    };
    if (!writeFileFrom(path, produce, reporter))
        return false;
    modified_ = false;
    return true;
}

std::string FolioSession::printStream() const {
    return buildPrintStream(settings(), *script_);
}

} // namespace quillset
