#include "app/CFolioApp.h"

#include "app/CMainFrame.h"

#include <QIcon>
#include <QSettings>

namespace quillset {

namespace {

QSettings applicationSettings() {
    return QSettings(QString::fromLatin1(CFolioApp::kCompany),
                     QString::fromLatin1(CFolioApp::kTitle));
}

// An absent or empty value counts as its default.
QString textValue(const QSettings& settings, const QString& key, const QString& fallback) {
    const QString text = settings.value(key).toString();
    return text.isEmpty() ? fallback : text;
}

const QString kBaudRateKey = QStringLiteral("Communication/BAUDRATE");
const QString kPortKey = QStringLiteral("Communication/COMPORT");
const QString kPrinterTypeKey = QStringLiteral("Settings/PRINTERTYPE");

} // namespace

CFolioApp::CFolioApp(int& argc, char** argv)
    : application_(argc, argv) {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillset.png")));
}

CFolioApp::~CFolioApp() = default;

int CFolioApp::run() {
    if (!InitInstance(QApplication::arguments())) {
        ExitInstance();
        return 1;
    }
    const int code = QApplication::exec();
    ExitInstance();
    return code;
}

bool CFolioApp::InitInstance(const QStringList& arguments) {
    loadSettings();
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (arguments.size() > 1 && !mainFrame_->openDocument(arguments.at(1))) {
        mainFrame_.reset();
        return false;
    }
    mainFrame_->show();
    return true;
}

void CFolioApp::ExitInstance() {
    saveSettings();
}

void CFolioApp::loadSettings() {
    QSettings settings = applicationSettings();
    serialPort_.baudRate =
        SerialPort::baudRateFromText(textValue(settings, kBaudRateKey, QStringLiteral("57600")));
    serialPort_.setPortNameFromText(textValue(settings, kPortKey, QStringLiteral("COM1")));
    printerType_ = printerTypeFromText(textValue(settings, kPrinterTypeKey, QStringLiteral("2")));
    recentFiles_.read(settings);
}

void CFolioApp::saveSettings() const {
    QSettings settings = applicationSettings();
    settings.setValue(kBaudRateKey, SerialPort::baudRateText(serialPort_.baudRate));
    settings.setValue(kPortKey, serialPort_.portName);
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
