#include "cli/VirtualPrinter.h"

#include "cli/DocumentIo.h"
#include "cli/PngImage.h"
#include "document/FolioSession.h"
#include "document/PageStreamInterpreter.h"
#include "model/PageSettings.h"
#include "model/Reporter.h"
#include "printer/SerialLine.h"
#include "printer/engine/PortFailure.h"
#include "printer/engine/PrintProgress.h"
#include "raster/PageRaster.h"
#include "raster/PbmImage.h"

#include <cstdio>
#include <iostream>
#include <sstream>

namespace quillset::cli {

namespace {

std::string pageName(int number, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%04d.%s", number, extension);
    return name;
}

std::string droppedMessage(std::size_t bytes) {
    return "Dropped an unfinished page of " + groupedCount(bytes) + " bytes.";
}

} // namespace

VirtualPrinter::VirtualPrinter(Options options, Reporter& reporter)
    : options_(std::move(options))
    , reporter_(reporter) {
    connect(&serial_, &QSerialPort::readyRead, this, &VirtualPrinter::readLine);
}

bool VirtualPrinter::open() {
    if (!openSerialLine(serial_, options_.device, options_.baudRate, QIODevice::ReadOnly,
                        reporter_))
        return false;
    // Setting up the line may leave errors of its own (no modem lines on a
    // pseudo-terminal); only those that come while reading end the listening.
    serial_.clearError();
    connect(&serial_, &QSerialPort::errorOccurred, this, &VirtualPrinter::lineFailed);
    std::cerr << "Listening on " << options_.device.toStdString() << " at "
              << options_.baudRate << " bit/s; pages go to " << options_.folder.string()
              << ".\n"
              << std::flush;
    return true;
}

int VirtualPrinter::run() {
    if (ended_)
        return 0;
    return loop_.exec();
}

void VirtualPrinter::stop() {
    if (const std::size_t pending = reader_.pendingBytes())
        reporter_.report(droppedMessage(pending));
    end(0);
}

void VirtualPrinter::end(int status) {
    if (ended_)
        return;
    ended_ = true;
    serial_.close();
    loop_.exit(status);
}

void VirtualPrinter::readLine() {
    const QByteArray bytes = serial_.readAll();
    for (const PageStreamReader::Piece& piece :
         reader_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        if (ended_)
            return;
        if (!piece.complete) {
            reporter_.report(droppedMessage(piece.bytes.size()));
            continue;
        }
        if (!printPage(piece.bytes)) {
            end(1);
            return;
        }
        if (options_.pages > 0 && printed_ >= options_.pages)
            end(0);
    }
}

void VirtualPrinter::lineFailed(QSerialPort::SerialPortError error) {
    if (ended_ || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    reporter_.reportWithDetail(kTransmissionError, serialErrorDetail(serial_, options_.device));
    end(1);
}

bool VirtualPrinter::printPage(const std::string& stream) {
    FolioSession session(options_.printerType);
    interpretPageStream(session, stream);
    ++printed_;
    const std::filesystem::path png = options_.folder / pageName(printed_, "png");
    const std::string image = pngImage(session.raster());
    if (image.empty())
        reporter_.report("A page of width or height 0 cannot be written as PNG.");
    else if (!writeOutput(png.string(), image, reporter_))
        return false;
    if (options_.pbm) {
        std::ostringstream pbm;
        writePbm(session.raster(), pbm);
        if (!writeOutput((options_.folder / pageName(printed_, "pbm")).string(), pbm.str(),
                         reporter_))
            return false;
    }
    const PageSettings& page = session.settings();
    std::cout << png.string() << ": " << page.pageWidth << " x " << page.pageHeight
              << " dots, " << groupedCount(stream.size()) << " bytes received\n"
              << std::flush;
    return true;
}

} // namespace quillset::cli
