#pragma once

class QMainWindow;

namespace quillset {

class FolioSession;
class SerialPort;
struct PrinterSettings;

// File > Print and Configure > Printer...: the page goes out in the chosen
// printer's language over its connection while the progress dialog shows
// where to and how far; when every byte went out the status bar says what
// went where ("Sent 24,512 bytes to 192.168.1.50:9100 (ZPL)").
class PagePrinting {
public:
    // Whether every byte went out; failures have been shown to the user.
    static bool print(const FolioSession& session, const PrinterSettings& printer,
                      const SerialPort& serial, QMainWindow* window);
    // The Printer dialog; OK stores the choice in `printer` and `serial` and
    // writes it to the settings.
    static void configure(PrinterSettings& printer, SerialPort& serial, QMainWindow* window);
    // Whether the chosen printer draws every object of the page; when it
    // does not (the script printer and a symbol) a message box says why.
    // Asked before anything is sent, by a page's Print and a batch's.
    static bool printerDrawsPage(const FolioSession& session, const PrinterSettings& printer,
                                 QMainWindow* window);
};

} // namespace quillset
