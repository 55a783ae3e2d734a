#include "cli/VirtualPrinter.h"

#include "cli/DocumentIo.h"
#include "cli/PageImage.h"
#include "document/FolioSession.h"
#include "document/PageStreamInterpreter.h"
#include "document/PrinterBytes.h"
#include "model/GroupedCount.h"
#include "model/Reporter.h"
#include "printer/PortFailure.h"
#include "printer/SerialLine.h"

#include <QTcpSocket>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset::cli {

namespace {

// A raster page without an end mark (ESC/POS without a cut) is taken as
// whole once the line has been quiet this long.
constexpr int kQuietMs = 1000;

std::string pageName(int number, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%04d.%s", number, extension);
    return name;
}

std::string droppedMessage(std::size_t bytes) {
    return "Dropped an unfinished page of " + groupedCount(bytes) + " bytes.";
}

// A FIFO or a plain file is read as it is; anything else is a serial line.
bool isFifoOrFile(const QString& device) {
    struct stat status {};
    return ::stat(device.toLocal8Bit().constData(), &status) == 0 &&
           (S_ISFIFO(status.st_mode) || S_ISREG(status.st_mode));
}

} // namespace

VirtualPrinter::VirtualPrinter(Options options, Reporter& reporter)
    : options_(std::move(options))
    , reporter_(reporter)
    , state_(options_.state) {
    if (const auto makeReader = languageInfo(options_.language).makeReader)
        rasterReader_ = makeReader();
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &VirtualPrinter::paused);
}

VirtualPrinter::~VirtualPrinter() {
    if (fileDescriptor_ >= 0)
        ::close(fileDescriptor_);
}

bool VirtualPrinter::open() {
    if (options_.tcpPort != 0)
        return openNetwork();
    struct stat status {};
    if (::stat(options_.device.toLocal8Bit().constData(), &status) != 0 && errno == ENOENT) {
        reporter_.report(options_.device.toStdString() + ": no such file");
        return false;
    }
    return isFifoOrFile(options_.device) ? openFile() : openSerial();
}

void VirtualPrinter::announce(const std::string& where) {
    std::cerr << "Listening on " << where << "; pages go to " << options_.folder.string() << ".\n"
              << std::flush;
}

bool VirtualPrinter::openSerial() {
    connect(&serial_, &QSerialPort::readyRead, this, &VirtualPrinter::readSerial);
    if (!openSerialLine(serial_, options_.device, options_.baudRate, QIODevice::ReadWrite,
                        reporter_))
        return false;
    // Setting up the line may leave errors of its own (no modem lines on a
    // pseudo-terminal); only those that come while reading end the listening.
    serial_.clearError();
    connect(&serial_, &QSerialPort::errorOccurred, this, &VirtualPrinter::lineFailed);
    announce(options_.device.toStdString() + " at " + std::to_string(options_.baudRate) + " bit/s");
    return true;
}

bool VirtualPrinter::openFile() {
    // Read and write: a FIFO opened so never reads an end when a writer
    // closes, and waits for the next one.
    const QByteArray path = options_.device.toLocal8Bit();
    struct stat status {};
    const bool fifo = ::stat(path.constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    fileDescriptor_ = ::open(path.constData(), (fifo ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fileDescriptor_ < 0) {
        reporter_.report(portFailureDetail(path.toStdString(), errno));
        return false;
    }
    fileReady_ = std::make_unique<QSocketNotifier>(fileDescriptor_, QSocketNotifier::Read);
    connect(fileReady_.get(), &QSocketNotifier::activated, this, &VirtualPrinter::readFile);
    announce(path.toStdString());
    return true;
}

bool VirtualPrinter::openNetwork() {
    connect(&server_, &QTcpServer::newConnection, this, &VirtualPrinter::acceptConnections);
    if (!server_.listen(QHostAddress::LocalHost, options_.tcpPort)) {
        reporter_.report("127.0.0.1:" + std::to_string(options_.tcpPort) + ": " +
                         server_.errorString().toStdString());
        return false;
    }
    announce("127.0.0.1:" + std::to_string(options_.tcpPort));
    return true;
}

int VirtualPrinter::run() {
    if (ended_)
        return 0;
    return loop_.exec();
}

void VirtualPrinter::stop() {
    if (!rasterReader_) {
        if (const std::size_t pending = scriptReader_.pendingBytes())
            reporter_.report(droppedMessage(pending));
    } else {
        paused();
    }
    end(0);
}

void VirtualPrinter::end(int status) {
    if (ended_)
        return;
    ended_ = true;
    quiet_.stop();
    serial_.close();
    server_.close();
    fileReady_.reset();
    loop_.exit(status);
}

void VirtualPrinter::readSerial() {
    const QByteArray bytes = serial_.readAll();
    received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &serial_);
}

void VirtualPrinter::readFile() {
    char buffer[65536];
    const ssize_t count = ::read(fileDescriptor_, buffer, sizeof buffer);
    if (count > 0) {
        received(std::string_view(buffer, static_cast<std::size_t>(count)), nullptr);
    } else if (count == 0) {
        // A plain file has been read to its end.
        paused();
        end(0);
    } else if (errno != EAGAIN && errno != EINTR) {
        reporter_.reportWithDetail(kTransmissionError,
                                   portFailureDetail(options_.device.toStdString(), errno));
        end(1);
    }
}

void VirtualPrinter::acceptConnections() {
    while (QTcpSocket* connection = server_.nextPendingConnection()) {
        connect(connection, &QTcpSocket::readyRead, this, [this, connection] {
            const QByteArray bytes = connection->readAll();
            received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     connection);
        });
        connect(connection, &QTcpSocket::disconnected, this, [this, connection] {
            paused();
            connection->deleteLater();
        });
    }
}

void VirtualPrinter::lineFailed(QSerialPort::SerialPortError error) {
    if (ended_ || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    reporter_.reportWithDetail(kTransmissionError, serialErrorDetail(serial_, options_.device));
    end(1);
}

void VirtualPrinter::received(std::string_view bytes, QIODevice* answerOn) {
    if (ended_)
        return;
    const std::string_view query = languageInfo(options_.language).statusQuery;
    if (!query.empty() && bytes.ends_with(query)) {
        bytes.remove_suffix(query.size());
        if (!bytes.empty())
            received(bytes, nullptr);
        // The sender asks between pages: the page before is whole.
        paused();
        answerStatus(answerOn);
        return;
    }
    if (rasterReader_) {
        takeOutcome(rasterReader_->feed(bytes));
        // Quiet from here on: writing the pages of a long read can take
        // longer than the quiet, and the line was not quiet meanwhile.
        if (!ended_)
            quiet_.start();
        return;
    }
    for (const PageStreamReader::Piece& piece : scriptReader_.feed(bytes)) {
        if (ended_)
            return;
        if (!piece.complete) {
            reporter_.report(droppedMessage(piece.bytes.size()));
            continue;
        }
        FolioSession session(options_.printerType);
        interpretPageStream(session, piece.bytes);
        if (!printPicture(dotPictureOf(session.raster()),
                          groupedCount(piece.bytes.size()) + " bytes received"))
            return;
    }
}

void VirtualPrinter::paused() {
    if (rasterReader_ && !ended_)
        takeOutcome(rasterReader_->finish());
}

void VirtualPrinter::takeOutcome(ReadOutcome outcome) {
    for (const std::string& problem : outcome.problems)
        reporter_.report(problem);
    for (const PrintedPage& page : outcome.pages) {
        if (ended_ || !printPicture(page.picture.view(), page.settings))
            return;
    }
}

void VirtualPrinter::answerStatus(QIODevice* answerOn) {
    if (ended_ || !answerOn)
        return;
    const std::string answer = languageInfo(options_.language).statusAnswer(state_);
    answerOn->write(answer.data(), static_cast<qint64>(answer.size()));
}

bool VirtualPrinter::printPicture(const DotPictureView& picture, const std::string& more) {
    if (state_ != PrinterCondition::Ready) {
        reporter_.report("Not printed, " + std::string(conditionText(state_)) + ": a page of " +
                         std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                         " dots.");
        return true;
    }
    ++printed_;
    const std::filesystem::path png = options_.folder / pageName(printed_, "png");
    const std::string image = pngImage(picture);
    if (image.empty())
        reporter_.report("A page of width or height 0 cannot be written as PNG.");
    const bool written =
        (image.empty() || writeOutput(png.string(), image, reporter_)) &&
        (!options_.pbm || writeOutput((options_.folder / pageName(printed_, "pbm")).string(),
                                      pbmImage(picture), reporter_));
    if (!written) {
        end(1);
        return false;
    }
    std::cout << png.string() << ": " << picture.width << " x " << picture.height << " dots";
    if (!more.empty())
        std::cout << ", " << more;
    std::cout << '\n' << std::flush;
    if (options_.paperOutAfter > 0 && printed_ >= options_.paperOutAfter)
        state_ = PrinterCondition::PaperOut;
    if (options_.pages > 0 && printed_ >= options_.pages)
        end(0);
    return true;
}

} // namespace quillset::cli
