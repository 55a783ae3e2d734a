#include "printer/engine/PrinterLanguage.h"

#include <algorithm>

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

std::string pageCopies(std::string page, int copies) {
    copies = std::clamp(copies, 1, kMaxCopies);
    if (copies == 1)
        return page;
    std::string out;
    out.reserve(page.size() * static_cast<std::size_t>(copies));
    for (int i = 0; i < copies; ++i)
        out += page;
    return out;
}

} // namespace quillset
