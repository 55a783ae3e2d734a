#pragma once

#include "printer/engine/PageStreamReader.h"

#include <QEventLoop>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <filesystem>

namespace quillset {
class Reporter;
}

namespace quillset::cli {

// A printer on the far end of a serial line: it reads page streams from the
// device, draws each page as the printer would, and writes it as
// DIR/page-0001.png (and .pbm), numbered from 1, replacing files of those
// names. One line per page goes to standard output.
class VirtualPrinter : public QObject {
public:
    struct Options {
        QString device;
        std::uint32_t baudRate = 0;
        std::filesystem::path folder;
        bool pbm = false;
        int pages = 0; // stop after this many; 0 for no limit
        int printerType = 2;
    };

    VirtualPrinter(Options options, Reporter& reporter);

    // Opens and configures the device; the reporter says why not.
    bool open();
    // Prints pages until stop(), the page limit or a failure of the line;
    // the tool's exit status.
    int run();
    void stop();

private:
    void readLine();
    void lineFailed(QSerialPort::SerialPortError error);
    bool printPage(const std::string& stream);
    void end(int status);

    Options options_;
    Reporter& reporter_;
    QSerialPort serial_;
    PageStreamReader reader_;
    QEventLoop loop_;
    int printed_ = 0;
    bool ended_ = false;
};

} // namespace quillset::cli
