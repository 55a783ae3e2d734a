#pragma once

#include "language/LanguageOptions.h"
#include "language/LanguageReader.h"
#include "language/PrinterStatus.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quillset {

class PageToSend;

// A number a label language takes, by its own word and within its own
// range: TSPL's density is 0 to 15, ZPL's darkness 0 to 30. A language
// without the setting has an empty word.
struct SettingRange {
    std::string_view word = {};
    int low = 0;
    int high = 0;
    std::string_view unit = {}; // " mm" where it has one

    bool taken() const { return !word.empty(); }
    bool holds(int value) const { return value >= low && value <= high; }
};

// Which of the options a language reads; the Printer dialog offers those.
struct LanguageFeatures {
    bool printWidth = false;
    bool bands = false;
    bool feedAndCut = false;
    bool zplCompression = false;
    bool media = false;
    SettingRange darkness = {};
    SettingRange speed = {};
    SettingRange gapMm = {};
};

// The label settings whose ranges differ between languages.
enum class LabelSetting { Darkness, Speed, Gap };

struct SettingRefusal {
    LabelSetting setting;
    std::string text; // "TSPL density is 0 to 15"
};

// One printer language: its names, what it reads, how a page becomes its
// bytes and how its printer reads them back. Every caller goes through its
// row; a new language is an encoder, a reader and a row.
struct LanguageInfo {
    PrinterLanguage language;
    std::string_view name;  // on the command line and in the settings: "escpos"
    std::string_view label; // for people: "ESC/POS"
    LanguageFeatures takes;
    // The page's bytes in the language, once per copy.
    std::string (*encode)(const PageToSend& page, const LanguageOptions& options);
    // A raster printer's reading of what it receives; none for the script
    // printer, which compiles each page stream it receives.
    std::unique_ptr<LanguageReader> (*makeReader)();
    // What asks its printer for its state, empty where its printers do not
    // tell; the reader of the answer; and the answer its printer gives in a
    // condition, for a printer played in tests.
    std::string_view statusQuery = {};
    std::optional<PrinterStatus> (*readStatus)(std::string_view answer) = nullptr;
    std::string (*statusAnswer)(PrinterCondition condition) = nullptr;
};

extern const std::array<LanguageInfo, 5> kLanguages;

const LanguageInfo& languageInfo(PrinterLanguage language);
// The language of a name from kLanguages, compared exactly.
std::optional<PrinterLanguage> languageNamed(std::string_view name);
// Every language's name, as the command line lists them: "script, escpos,
// zpl, tspl or epl2".
std::string_view languageNames();

// The first label setting of `options` outside its language's range, as the
// language words it; nothing when all that will be sent are within range. A
// gap counts only for labels with a gap or a mark.
std::optional<SettingRefusal> settingRefusal(const LanguageOptions& options);

// "EPL2 printers do not report their state", or nothing where the
// language's printers answer a status query.
std::optional<std::string> statusRefusal(PrinterLanguage language);

// What Print sends in the chosen language.
std::string encodePage(const PageToSend& page, const LanguageOptions& options);

} // namespace quillset
