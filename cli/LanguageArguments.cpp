#include "cli/LanguageArguments.h"

#include "language/PrinterLanguage.h"
#include "model/Limits.h"

#include <iostream>
#include <optional>
#include <string>

namespace quillset::cli {

const std::vector<OptionSpec>& languageOptionSpecs() {
    // Made on first use: commands put these into their own tables while the
    // program's globals are still being made.
    static const std::vector<OptionSpec> options = {
        {"--language", "L", languageNames()},
        {"--band-rows", "N", "ESC/POS: rows per picture band, 1 to 256 (default 256)"},
        {"--print-width", "N",
         "escpos, zpl, tspl, epl2: send the picture's left N dots (default: all of it)"},
        {"--feed", "N", "ESC/POS: lines to feed after the page, 0 to 255 (default 0)"},
        {"--cut", "", "ESC/POS: cut the paper after the page"},
        {"--zpl-compression", "C", "ZPL: ascii (every printer, default) or z64 (newer printers)"},
        {"--copies", "N", "print the page N times, 1 to 9999 (default 1)"},
        {"--darkness", "N",
         "zpl, tspl, epl2: how dark the printer prints, on the language's scale (ZPL darkness 0 "
         "to 30, TSPL and EPL2 density 0 to 15; default: the printer's own)"},
        {"--speed", "N",
         "zpl, tspl, epl2: inches a second (ZPL and TSPL 1 to 14, EPL2 1 to 6; default: the "
         "printer's own)"},
        {"--media", "M",
         "zpl, tspl, epl2: gap (labels with a gap), mark (a black mark on the back) or "
         "continuous (default: the printer's own)"},
        {"--gap", "MM",
         "tspl, epl2: the gap between labels or the mark's height in mm (default 3); sets "
         "--media gap unless it is given"},
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

// A whole number for one of the label settings; its range is the
// language's, checked once the language is known.
bool applySetting(const Invocation& invocation, std::string_view option, std::optional<int>& into) {
    int value = 0;
    if (!invocation.has(option))
        return true;
    if (!applyNumber(invocation, option, 0, kMaxLabelSetting, value))
        return false;
    into = value;
    return true;
}

bool checkSettings(const Invocation& invocation, const LanguageOptions& options) {
    const auto refusal = settingRefusal(options);
    if (!refusal)
        return true;
    const struct {
        LabelSetting setting;
        std::string_view option;
        std::string value;
    } settings[] = {
        {LabelSetting::Darkness, "--darkness", std::to_string(options.darkness.value_or(0))},
        {LabelSetting::Speed, "--speed", std::to_string(options.speed.value_or(0))},
        {LabelSetting::Gap, "--gap", std::to_string(options.gapMm)},
    };
    for (const auto& setting : settings) {
        if (setting.setting != refusal->setting)
            continue;
        if (invocation.has(setting.option))
            std::cerr << setting.option << ' ' << setting.value << ": ";
        else
            std::cerr << "The saved printer's " << setting.option.substr(2) << ' ' << setting.value
                      << " (Configure > Printer): ";
    }
    std::cerr << refusal->text << ".\n";
    return false;
}

} // namespace

bool applyLanguageOptions(const Invocation& invocation, LanguageOptions& options) {
    if (const auto name = invocation.value("--language")) {
        const auto language = languageNamed(*name);
        if (!language) {
            std::cerr << "--language takes " << languageNames() << ".\n";
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
    if (const auto name = invocation.value("--media")) {
        const auto media = labelMediaNamed(*name);
        if (!media) {
            std::cerr << "--media takes gap, mark or continuous.\n";
            return false;
        }
        options.media = *media;
    }
    if (invocation.has("--cut"))
        options.cut = true;
    if (!applyNumber(invocation, "--band-rows", 1, kMaxBandRows, options.bandRows) ||
        !applyNumber(invocation, "--print-width", 1, kRasterWidth, options.printWidth) ||
        !applyNumber(invocation, "--feed", 0, kMaxFeedLines, options.feedLines) ||
        !applyNumber(invocation, "--copies", 1, kMaxCopies, options.copies) ||
        !applySetting(invocation, "--darkness", options.darkness) ||
        !applySetting(invocation, "--speed", options.speed) ||
        !applyNumber(invocation, "--gap", 0, kMaxLabelSetting, options.gapMm))
        return false;
    if (invocation.has("--gap") && !invocation.has("--media") &&
        options.media == LabelMedia::Unset && languageInfo(options.language).takes.gapMm.taken())
        options.media = LabelMedia::Gap;
    return checkSettings(invocation, options);
}

std::vector<OptionSpec> withOptions(std::vector<OptionSpec> options,
                                    const std::vector<OptionSpec>& more) {
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

} // namespace quillset::cli
