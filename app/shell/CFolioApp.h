#pragma once

#include "app/shell/RecentFileList.h"
#include "model/PrinterType.h"
#include "printer/PrinterSettings.h"
#include "printer/SerialPort.h"

#include <QApplication>

#include <memory>

namespace quillset {

class CMainFrame;

// The application: the Qt application object, the printer's serial port,
// the printer type and the recent-file list. Settings are read at start-up
// and written at exit, in the order serial port, printer type, recent files.
class CFolioApp {
public:
    static constexpr const char* kTitle = "Quillset";
    static constexpr const char* kWindowTitle = "Quillset 1.0.9";
    // The name of the desktop entry, the AppStream component and the icon.
    static constexpr const char* kDesktopId = "com.corvane.Quillset";

    CFolioApp(int& argc, char** argv);
    ~CFolioApp();
    CFolioApp(const CFolioApp&) = delete;
    CFolioApp& operator=(const CFolioApp&) = delete;

    // Start-up, the event loop, exit.
    int run();

    // Reads the settings, builds the main window and opens the file named
    // by the first argument after the program's, if any, then offers the
    // changes a program that crashed left behind. False when that file
    // cannot be opened, which ends the program.
    bool InitInstance(const QStringList& arguments);
    // Writes "BAUDRATE", "COMPORT", "PRINTERTYPE" and the recent files.
    void ExitInstance();

    void loadSettings();
    void saveSettings() const;

    // "3" gives 3, "4" gives 4, any other text (none at all included) 2.
    static int printerTypeFromText(const QString& text);

    SerialPort& serialPort() { return serialPort_; }
    // The printer File > Print sends to; Configure > Printer... stores it at
    // once.
    PrinterSettings& printer() { return printer_; }
    RecentFileList& recentFiles() { return recentFiles_; }
    CMainFrame* mainFrame() const { return mainFrame_.get(); }

    // 2, 3 or 4. Page Setup changes it; it reaches the settings at exit.
    int printerType() const { return printerType_; }
    void setPrinterType(int type) { printerType_ = normalisedPrinterType(type); }

private:
    QApplication application_;
    SerialPort serialPort_;
    PrinterSettings printer_;
    int printerType_ = kDefaultPrinterType;
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

} // namespace quillset
