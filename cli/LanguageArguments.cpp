#include "cli/LanguageArguments.h"

#include "language/PrinterLanguage.h"
#include "model/Limits.h"

#include <iostream>
#include <string>

namespace quillset::cli {

const std::vector<OptionSpec>& languageOptionSpecs() {
    // Made on first use: commands put these into their own tables while the
    // program's globals are still being made.
    static const std::vector<OptionSpec> options = {
        {"--language", "L", "script, escpos or zpl"},
        {"--band-rows", "N", "ESC/POS: rows per picture band, 1 to 256 (default 256)"},
        {"--print-width", "N", "escpos, zpl: send the picture's left N dots (default: all of it)"},
        {"--feed", "N", "ESC/POS: lines to feed after the page, 0 to 255 (default 0)"},
        {"--cut", "", "ESC/POS: cut the paper after the page"},
        {"--zpl-compression", "C", "ZPL: ascii (every printer, default) or z64 (newer printers)"},
        {"--copies", "N", "print the page N times, 1 to 9999 (default 1)"},
    };
    return options;
}

namespace {

// A whole number low..high from the option's value, said wrong otherwise.
bool applyNumber(const Invocation& invocation, std::string_view option, int low, int high,
                 int& into) {
    const auto text = invocation.value(option);
    if (!text)
        return true;
    const auto value = wholeNumber(*text, low, high);
    if (!value) {
        std::cerr << option << " takes a whole number from " << low << " to " << high << ".\n";
        return false;
    }
    into = *value;
    return true;
}

} // namespace

bool applyLanguageOptions(const Invocation& invocation, LanguageOptions& options) {
    if (const auto name = invocation.value("--language")) {
        const auto language = languageNamed(*name);
        if (!language) {
            std::cerr << "--language takes script, escpos or zpl.\n";
            return false;
        }
        options.language = *language;
    }
    if (const auto name = invocation.value("--zpl-compression")) {
        const auto compression = zplCompressionNamed(*name);
        if (!compression) {
            std::cerr << "--zpl-compression takes ascii or z64.\n";
            return false;
        }
        options.zplCompression = *compression;
    }
    if (invocation.has("--cut"))
        options.cut = true;
    return applyNumber(invocation, "--band-rows", 1, kMaxBandRows, options.bandRows) &&
           applyNumber(invocation, "--print-width", 1, kRasterWidth, options.printWidth) &&
           applyNumber(invocation, "--feed", 0, kMaxFeedLines, options.feedLines) &&
           applyNumber(invocation, "--copies", 1, kMaxCopies, options.copies);
}

std::vector<OptionSpec> withOptions(std::vector<OptionSpec> options,
                                    const std::vector<OptionSpec>& more) {
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

} // namespace quillset::cli
