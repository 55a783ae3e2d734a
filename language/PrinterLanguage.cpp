#include "language/PrinterLanguage.h"

#include "language/EscPosEncoder.h"
#include "language/PageToSend.h"
#include "language/ZplEncoder.h"

namespace quillset {

const std::array<LanguageInfo, 3> kLanguages = {{
    {PrinterLanguage::Script, "script", "Script", {},
     [](const PageToSend& page, const LanguageOptions& options) {
         return pageCopies(page.stream(), options.copies);
     },
     nullptr},
    {PrinterLanguage::EscPos, "escpos", "ESC/POS",
     {.printWidth = true, .bands = true, .feedAndCut = true},
     [](const PageToSend& page, const LanguageOptions& options) {
         return encodeEscPos(page.picture(), options);
     },
     makeEscPosReader},
    {PrinterLanguage::Zpl, "zpl", "ZPL", {.printWidth = true, .zplCompression = true},
     [](const PageToSend& page, const LanguageOptions& options) {
         return encodeZpl(page.picture(), options);
     },
     makeZplReader},
}};

const LanguageInfo& languageInfo(PrinterLanguage language) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.language == language)
            return info;
    }
    return kLanguages[0];
}

std::optional<PrinterLanguage> languageNamed(std::string_view name) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.name == name)
            return info.language;
    }
    return std::nullopt;
}

std::string encodePage(const PageToSend& page, const LanguageOptions& options) {
    return languageInfo(options.language).encode(page, options);
}

} // namespace quillset
