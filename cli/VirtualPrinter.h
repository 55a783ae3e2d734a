#pragma once

#include "language/LanguageReader.h"
#include "language/PageStreamReader.h"
#include "language/PrinterLanguage.h"
#include "language/PrinterStatus.h"

#include <QEventLoop>
#include <QObject>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QString>
#include <QTcpServer>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <memory>

namespace quillset {
class Reporter;
}

namespace quillset::cli {

// A printer on the far end of a line: it reads what comes from a serial
// device, a FIFO or file, or the network connections it accepts, draws each
// page as a printer of its language would, and writes it as
// DIR/page-0001.png (and .pbm), numbered from 1, replacing files of those
// names. One line per page goes to standard output, with the settings a
// label printer received for it; what it cannot read goes to the reporter
// with its offset. It answers its language's status query, where the
// line goes both ways, when the query ends what it has read: a sender waits
// for the answer.
class VirtualPrinter : public QObject {
public:
    struct Options {
        QString device; // serial device, FIFO or file
        std::uint32_t baudRate = 0;
        std::uint16_t tcpPort = 0; // instead of the device: 127.0.0.1:tcpPort
        PrinterLanguage language = PrinterLanguage::Script;
        std::filesystem::path folder;
        bool pbm = false;
        int pages = 0; // stop after this many; 0 for no limit
        int printerType = 2;
        // What it answers its language's status query; it prints only while
        // ready, and runs out of paper after `paperOutAfter` pages (0: never).
        PrinterCondition state = PrinterCondition::Ready;
        int paperOutAfter = 0;
    };

    VirtualPrinter(Options options, Reporter& reporter);
    ~VirtualPrinter() override;

    // Opens the device or starts listening; the reporter says why not.
    bool open();
    // Prints pages until stop(), the page limit or a failure of the line;
    // the tool's exit status.
    int run();
    void stop();

private:
    bool openSerial();
    bool openFile();
    bool openNetwork();
    void announce(const std::string& where);
    void readSerial();
    void readFile();
    void acceptConnections();
    void lineFailed(QSerialPort::SerialPortError error);

    // `answerOn` takes the answer to a status query among the bytes.
    void received(std::string_view bytes, QIODevice* answerOn);
    void answerStatus(QIODevice* answerOn);
    // The line went quiet or a connection closed: a page under way in a
    // raster language is printed as it stands.
    void paused();
    void takeOutcome(ReadOutcome outcome);
    // `more` follows the size on the page's line: the settings it was printed
    // with, or the bytes received.
    bool printPicture(const DotPictureView& picture, const std::string& more);
    void end(int status);

    Options options_;
    Reporter& reporter_;
    QSerialPort serial_;
    int fileDescriptor_ = -1;
    std::unique_ptr<QSocketNotifier> fileReady_;
    QTcpServer server_;
    PageStreamReader scriptReader_;
    std::unique_ptr<LanguageReader> rasterReader_;
    QTimer quiet_;
    QEventLoop loop_;
    int printed_ = 0;
    PrinterCondition state_;
    bool ended_ = false;
};

} // namespace quillset::cli
