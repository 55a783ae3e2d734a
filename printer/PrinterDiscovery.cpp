#include "printer/PrinterDiscovery.h"

#include <QDir>
#include <QSerialPortInfo>

#include <cups/cups.h>

namespace quillset {

QStringList cupsQueueNames() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QString first;
    QStringList names;
    for (int i = 0; i < count; ++i) {
        if (dests[i].instance) // an instance is options on a queue, not a queue
            continue;
        const QString name = QString::fromUtf8(dests[i].name);
        if (dests[i].is_default)
            first = name;
        else
            names << name;
    }
    cupsFreeDests(count, dests);
    names.sort();
    if (!first.isEmpty())
        names.prepend(first);
    return names;
}

QStringList usbPrinterDevices() {
    QStringList devices;
    for (const QString& name : QDir(QStringLiteral("/dev/usb"))
                                   .entryList({QStringLiteral("lp*")}, QDir::System, QDir::Name))
        devices << QStringLiteral("/dev/usb/") + name;
    return devices;
}

QStringList serialDeviceNames() {
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        names << port.systemLocation();
    names.sort();
    return names;
}

} // namespace quillset
