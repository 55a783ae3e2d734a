#pragma once

#include "language/LanguageOptions.h"
#include "printer/PrintTarget.h"

#include <QString>

namespace quillset {

class SerialPort;

// The printer that File > Print sends to: how it is connected and the
// language it reads. Each connection keeps its own address, so switching
// between them in the Printer dialog loses nothing. The serial line's port
// and rate are the SerialPort's, under the "Communication" keys as ever.
struct PrinterSettings {
    ConnectionKind connection = ConnectionKind::Serial;
    QString device; // file: /dev/usb/lp0, a FIFO, any file
    QString host;   // tcp
    std::uint16_t port = kRawPrintPort;
    QString queue; // cups
    LanguageOptions language;

    // Where a print goes now; the serial target is the port's name.
    PrintTarget target(const SerialPort& serial) const;

    bool operator==(const PrinterSettings&) const = default;
};

// The "Printer" group of the settings: "Connection" (serial, file, tcp,
// cups), "Device", "Host", "Port", "Queue", "Language" (script, escpos,
// zpl, tspl, epl2), "BandRows", "PrintWidth", "FeedLines", "Cut",
// "ZplCompression" (ascii, z64), "Copies", "Darkness" and "Speed" (left out
// when unset), "Media" (gap, mark, continuous, empty when unset), "Gap" (mm).
// Values out of range fall back to the defaults: serial and the script, as
// Print has always sent, and the printer's own darkness, speed and media.
PrinterSettings loadPrinterSettings();
void savePrinterSettings(const PrinterSettings& settings);

} // namespace quillset
