#pragma once

#include "language/LanguageOptions.h"
#include "language/LanguageReader.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quillset {

class PageToSend;

// Which of the options a language reads; the Printer dialog offers those.
struct LanguageFeatures {
    bool printWidth = false;
    bool bands = false;
    bool feedAndCut = false;
    bool zplCompression = false;
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
};

extern const std::array<LanguageInfo, 3> kLanguages;

const LanguageInfo& languageInfo(PrinterLanguage language);
// The language of a name from kLanguages, compared exactly.
std::optional<PrinterLanguage> languageNamed(std::string_view name);

// What Print sends in the chosen language.
std::string encodePage(const PageToSend& page, const LanguageOptions& options);

} // namespace quillset
