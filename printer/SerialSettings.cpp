#include "printer/SerialSettings.h"

#include "printer/SerialPort.h"

#include <QRegularExpression>
#include <QSettings>

namespace quillset {

namespace {

constexpr char kCommunicationGroup[] = "Communication";
constexpr char kPortsGroup[] = "Ports";

} // namespace

void loadSerialSettings(SerialPort& port) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kCommunicationGroup);
    port.baudRate = SerialPort::baudRateFromText(settings.value("BAUDRATE", "57600").toString());
    port.setPortNameFromText(settings.value("COMPORT", "COM1").toString());
}

void saveSerialSettings(const SerialPort& port) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kCommunicationGroup);
    settings.setValue("BAUDRATE", SerialPort::baudRateText(port.baudRate));
    settings.setValue("COMPORT", port.portName);
}

QString portDevicePath(const QString& portName) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kPortsGroup);
    const QString mapped = settings.value(portName).toString();
    if (!mapped.isEmpty())
        return mapped;
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = comName.match(portName);
    if (match.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(match.captured(1).toInt() - 1);
    return portName;
}

void setPortDevice(const QString& portName, const QString& device) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.beginGroup(kPortsGroup);
    if (device.isEmpty())
        settings.remove(portName);
    else
        settings.setValue(portName, device);
}

} // namespace quillset
