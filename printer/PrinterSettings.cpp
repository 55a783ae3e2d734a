#include "printer/PrinterSettings.h"

#include "language/PrinterLanguage.h"
#include "model/Limits.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QSettings>

namespace quillset {

namespace {

const QString kGroup = QStringLiteral("Printer");

int numberIn(const QSettings& settings, const QString& key, int low, int high, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

// A label setting left unset unless the key holds a number in range.
std::optional<int> setNumberIn(const QSettings& settings, const QString& key, int low, int high) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

void setOrRemove(QSettings& settings, const QString& key, std::optional<int> value) {
    if (value)
        settings.setValue(key, *value);
    else
        settings.remove(key);
}

} // namespace

PrintTarget PrinterSettings::target(const SerialPort& serial) const {
    switch (connection) {
    case ConnectionKind::Serial:
        return {connection, serial.portName.toStdString()};
    case ConnectionKind::File:
        return {connection, device.toStdString()};
    case ConnectionKind::Tcp:
        return {connection, host.toStdString(), port};
    case ConnectionKind::Cups:
        return {connection, queue.toStdString()};
    }
    return {};
}

PrinterSettings loadPrinterSettings() {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kGroup);
    PrinterSettings printer;
    LanguageOptions& language = printer.language;
    const LanguageOptions defaults;
    printer.connection = connectionNamed(settings.value("Connection").toString().toStdString())
                             .value_or(ConnectionKind::Serial);
    printer.device = settings.value("Device").toString();
    printer.host = settings.value("Host").toString();
    printer.port = static_cast<std::uint16_t>(numberIn(settings, "Port", 1, 65535, kRawPrintPort));
    printer.queue = settings.value("Queue").toString();
    language.language = languageNamed(settings.value("Language").toString().toStdString())
                            .value_or(PrinterLanguage::Script);
    language.bandRows = numberIn(settings, "BandRows", 1, kMaxBandRows, defaults.bandRows);
    language.printWidth = numberIn(settings, "PrintWidth", 0, kRasterWidth, 0);
    language.feedLines = numberIn(settings, "FeedLines", 0, kMaxFeedLines, 0);
    language.cut = settings.value("Cut").toBool();
    language.zplCompression =
        zplCompressionNamed(settings.value("ZplCompression").toString().toStdString())
            .value_or(ZplCompression::Ascii);
    language.copies = numberIn(settings, "Copies", 1, kMaxCopies, 1);
    language.darkness = setNumberIn(settings, "Darkness", 0, kMaxLabelSetting);
    language.speed = setNumberIn(settings, "Speed", 1, kMaxLabelSetting);
    language.media = labelMediaNamed(settings.value("Media").toString().toStdString())
                         .value_or(LabelMedia::Unset);
    language.gapMm = numberIn(settings, "Gap", 0, kMaxLabelSetting, kDefaultGapMm);
    return printer;
}

void savePrinterSettings(const PrinterSettings& printer) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kGroup);
    const LanguageOptions& language = printer.language;
    const auto text = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    settings.setValue("Connection", text(connectionInfo(printer.connection).scheme));
    settings.setValue("Device", printer.device);
    settings.setValue("Host", printer.host);
    settings.setValue("Port", printer.port);
    settings.setValue("Queue", printer.queue);
    settings.setValue("Language", text(languageInfo(language.language).name));
    settings.setValue("BandRows", language.bandRows);
    settings.setValue("PrintWidth", language.printWidth);
    settings.setValue("FeedLines", language.feedLines);
    settings.setValue("Cut", language.cut);
    settings.setValue("ZplCompression", text(zplCompressionName(language.zplCompression)));
    settings.setValue("Copies", language.copies);
    setOrRemove(settings, "Darkness", language.darkness);
    setOrRemove(settings, "Speed", language.speed);
    settings.setValue("Media", text(labelMediaName(language.media)));
    settings.setValue("Gap", language.gapMm);
}

} // namespace quillset
