#include "cli/Command.h"
#include "cli/InterruptWatch.h"
#include "cli/LanguageArguments.h"
#include "cli/SerialOptions.h"
#include "cli/StderrReporter.h"
#include "cli/VirtualPrinter.h"
#include "language/PrinterLanguage.h"
#include "printer/SerialPort.h"
#include "printer/SerialSettings.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <limits>

namespace quillset::cli {

namespace {

struct StateName {
    std::string_view name;
    PrinterCondition condition;
};

constexpr StateName kStates[] = {
    {"ready", PrinterCondition::Ready},
    {"paper-out", PrinterCondition::PaperOut},
    {"head-open", PrinterCondition::HeadOpen},
    {"paused", PrinterCondition::Paused},
};

bool applyStateOptions(const Invocation& invocation, VirtualPrinter::Options& options) {
    if (const auto state = invocation.value("--state")) {
        const auto named = std::find_if(std::begin(kStates), std::end(kStates),
                                        [&](const StateName& s) { return s.name == *state; });
        if (named == std::end(kStates)) {
            std::cerr << "--state takes ready, paper-out, head-open or paused.\n";
            return false;
        }
        options.state = named->condition;
    }
    if (const auto after = invocation.value("--paper-out-after")) {
        const auto pages = wholeNumber(*after, 1, std::numeric_limits<int>::max());
        if (!pages) {
            std::cerr << "--paper-out-after takes a whole number from 1.\n";
            return false;
        }
        options.paperOutAfter = *pages;
    }
    return true;
}

std::string_view languageHelp() {
    static const std::string help =
        "the printer's language, script by default: " + std::string(languageNames());
    return help;
}

int run(const Invocation& invocation) {
    QtArguments qt;
    QCoreApplication application(qt.argc, qt.argv);

    const auto folder = invocation.value("-o");
    if (invocation.has("--port") == invocation.has("--tcp") || !folder || folder->empty()) {
        std::cerr << "listen needs --port DEVICE or --tcp PORT, and -o DIR.\n";
        return 1;
    }
    SerialPort port;
    loadSerialSettings(port);
    LanguageOptions language;
    if (!applyBaudOption(invocation, port) || !applyLanguageOptions(invocation, language))
        return 1;
    VirtualPrinter::Options options;
    // Any path is a device or FIFO to listen on, relative ones too; only
    // COM1 to COM99 are names of the saved ports.
    if (const auto device = invocation.value("--port"))
        options.device = isSerialPortName(*device) ? portDevicePath(QString::fromStdString(*device))
                                                   : QString::fromStdString(*device);
    options.baudRate = port.baudRate;
    options.language = language.language;
    if (const auto tcp = invocation.value("--tcp")) {
        const auto number = wholeNumber(*tcp, 1, 65535);
        if (!number) {
            std::cerr << "--tcp takes a port from 1 to 65535.\n";
            return 1;
        }
        options.tcpPort = static_cast<std::uint16_t>(*number);
    }
    options.folder = *folder;
    options.pbm = invocation.has("--pbm");
    options.printerType = invocation.printerType;
    if (const auto pages = invocation.value("--pages")) {
        const auto limit = wholeNumber(*pages, 1, std::numeric_limits<int>::max());
        if (!limit) {
            std::cerr << "--pages takes a whole number from 1.\n";
            return 1;
        }
        options.pages = *limit;
    }
    if (!applyStateOptions(invocation, options))
        return 1;
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (!std::filesystem::is_directory(options.folder)) {
        std::cerr << options.folder.string() << ": " << (error ? error.message() : "not a folder")
                  << '\n';
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
    "--port DEVICE|--tcp PORT -o DIR [--language L] [--baud N] [--pbm] [--pages N] "
    "[--state S] [--paper-out-after N]",
    "Act as the printer: read what a serial device, a FIFO or a network port receives and "
    "write each page as DIR/page-0001.png onward; Ctrl+C stops.",
    0,
    {{"--port", "DEVICE", "the serial device, FIFO or file to read, by any path, or COM1..COM99"},
     {"--tcp", "PORT", "accept print jobs on 127.0.0.1:PORT instead"},
     {"--language", "L", languageHelp()},
     {"--baud", "N", "line speed in bit/s (default: the saved rate)"},
     {"-o", "DIR", "the folder for the pages, made if missing"},
     {"--pbm", "", "write each page as PBM too"},
     {"--pages", "N", "stop after N pages"},
     {"--state", "S",
      "what it answers a status query: ready (by default), paper-out, head-open or paused; "
      "it prints only when ready"},
     {"--paper-out-after", "N", "run out of paper after N pages: print no more, and answer so"}},
    run,
};

} // namespace quillset::cli
