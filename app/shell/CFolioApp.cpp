#include "app/shell/CFolioApp.h"

#include "app/commands/FileCommands.h"
#include "app/pageview/ZoomActions.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/Recovery.h"
#include "printer/SerialSettings.h"

#include <QIcon>
#include <QSettings>

#include <malloc.h>

namespace quillset {

namespace {

QSettings applicationSettings() {
    return QSettings(QString::fromLatin1(kSettingsOrganisation),
                     QString::fromLatin1(kSettingsApplication));
}

const QString kPrinterTypeKey = QStringLiteral("Settings/PRINTERTYPE");

// Memory the window frees stays with it for the next step, up to this much,
// instead of going back to the system at once. A huge script passes through
// buffers of its size at every step, and touching fresh pages costs far more
// than the work on them: 130 ms for 50 MB on a virtual machine, against 2 ms
// for memory used before.
constexpr int kKeptFreeBytes = 256 << 20;

void keepFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, kKeptFreeBytes);
    mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
}

} // namespace

CFolioApp::CFolioApp(int& argc, char** argv)
    : application_(argc, argv) {
    keepFreedMemory();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillset-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

CFolioApp::~CFolioApp() = default;

int CFolioApp::run() {
    if (!InitInstance(QApplication::arguments())) {
        ExitInstance();
        return 1;
    }
    mainFrame_->zoomActions().fitPageAtFirstStart();
    const int code = QApplication::exec();
    ExitInstance();
    return code;
}

bool CFolioApp::InitInstance(const QStringList& arguments) {
    loadSettings();
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (arguments.size() > 1 && !mainFrame_->fileCommands().openDocument(arguments.at(1))) {
        mainFrame_.reset();
        return false;
    }
    mainFrame_->show();
    mainFrame_->recovery().offerLeftOver(mainFrame_.get());
    return true;
}

void CFolioApp::ExitInstance() {
    saveSettings();
}

void CFolioApp::loadSettings() {
    loadSerialSettings(serialPort_);
    printer_ = loadPrinterSettings();
    QSettings settings = applicationSettings();
    printerType_ = printerTypeFromText(settings.value(kPrinterTypeKey).toString());
    recentFiles_.read(settings);
}

void CFolioApp::saveSettings() const {
    saveSerialSettings(serialPort_);
    QSettings settings = applicationSettings();
    settings.setValue(kPrinterTypeKey, QString::number(printerType_));
    recentFiles_.write(settings);
}

int CFolioApp::printerTypeFromText(const QString& text) {
    if (text == QLatin1String("3"))
        return 3;
    if (text == QLatin1String("4"))
        return 4;
    return kDefaultPrinterType;
}

} // namespace quillset
