#include "cli/Command.h"
#include "cli/InterruptWatch.h"
#include "cli/SerialOptions.h"
#include "cli/StderrReporter.h"
#include "cli/VirtualPrinter.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QCoreApplication>

#include <charconv>
#include <filesystem>
#include <iostream>

namespace quillset::cli {

namespace {

std::optional<int> pageLimit(const std::string& text) {
    int pages = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pages);
    if (error != std::errc() || end != text.data() + text.size() || pages < 1)
        return std::nullopt;
    return pages;
}

int run(const Invocation& invocation) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);

    const auto folder = invocation.value("-o");
    if (!invocation.has("--port") || !folder || folder->empty()) {
        std::cerr << "listen needs --port DEVICE and -o DIR.\n";
        return 1;
    }
    SerialPort port;
    loadSerialSettings(port);
    if (!applySerialOptions(invocation, port))
        return 1;
    VirtualPrinter::Options options;
    options.device = portDevicePath(port.portName);
    options.baudRate = port.baudRate;
    options.folder = *folder;
    options.pbm = invocation.has("--pbm");
    options.printerType = invocation.printerType;
    if (const auto pages = invocation.value("--pages")) {
        const auto limit = pageLimit(*pages);
        if (!limit) {
            std::cerr << "--pages takes a whole number from 1.\n";
            return 1;
        }
        options.pages = *limit;
    }
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (!std::filesystem::is_directory(options.folder)) {
        std::cerr << options.folder.string() << ": "
                  << (error ? error.message() : "not a folder") << '\n';
        return 1;
    }

    StderrReporter reporter;
    VirtualPrinter printer(options, reporter);
    if (!printer.open())
        return 1;
    const InterruptWatch interrupt([&] { printer.stop(); });
    return printer.run();
}

} // namespace

const Command listenCommand = {
    "listen",
    "--port DEVICE -o DIR [--baud N] [--pbm] [--pages N]",
    "Act as the printer: read page streams from a serial device and write each page as "
    "DIR/page-0001.png onward; Ctrl+C stops.",
    0,
    {{"--port", "DEVICE", "the serial device to read, or COM1..COM99"},
     {"--baud", "N", "line speed in bit/s (default: the saved rate)"},
     {"-o", "DIR", "the folder for the pages, made if missing"},
     {"--pbm", "", "write each page as PBM too"},
     {"--pages", "N", "stop after N pages"}},
    run,
};

} // namespace quillset::cli
