#include "printer/engine/PrinterLanguage.h"

namespace quillset {

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

std::string_view zplCompressionName(ZplCompression compression) {
    return compression == ZplCompression::Z64 ? "z64" : "ascii";
}

std::optional<ZplCompression> zplCompressionNamed(std::string_view name) {
    if (name == "ascii")
        return ZplCompression::Ascii;
    if (name == "z64")
        return ZplCompression::Z64;
    return std::nullopt;
}

} // namespace quillset
