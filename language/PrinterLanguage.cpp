#include "language/PrinterLanguage.h"

#include "language/Epl2Encoder.h"
#include "language/EscPosEncoder.h"
#include "language/PageToSend.h"
#include "language/StatusAnswers.h"
#include "language/TsplEncoder.h"
#include "language/ZplEncoder.h"

namespace quillset {

// Constant, so that the command tables made while the program starts may
// read it.
constinit const std::array<LanguageInfo, 5> kLanguages = {{
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
     makeEscPosReader, "\x10\x04\x01\x10\x04\x02\x10\x04\x04", readEscPosStatus,
     escPosStatusAnswer},
    {PrinterLanguage::Zpl, "zpl", "ZPL",
     {.printWidth = true,
      .zplCompression = true,
      .media = true,
      .darkness = {"darkness", 0, 30},
      .speed = {"speed", 1, 14}},
     [](const PageToSend& page, const LanguageOptions& options) {
         return encodeZpl(page.picture(), options);
     },
     makeZplReader, "~HS", readZplStatus, zplStatusAnswer},
    {PrinterLanguage::Tspl, "tspl", "TSPL",
     {.printWidth = true,
      .media = true,
      .darkness = {"density", 0, 15},
      .speed = {"speed", 1, 14},
      .gapMm = {"gap", 1, 25, " mm"}},
     [](const PageToSend& page, const LanguageOptions& options) {
         return encodeTspl(page.picture(), options);
     },
     makeTsplReader, "\x1b!?", readTsplStatus, tsplStatusAnswer},
    {PrinterLanguage::Epl2, "epl2", "EPL2",
     {.printWidth = true,
      .media = true,
      .darkness = {"density", 0, 15},
      .speed = {"speed", 1, 6},
      .gapMm = {"gap", 2, 30, " mm"}},
     [](const PageToSend& page, const LanguageOptions& options) {
         return encodeEpl2(page.picture(), options);
     },
     makeEpl2Reader},
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

std::string_view languageNames() {
    static const std::string names = [] {
        std::string list;
        for (std::size_t i = 0; i < kLanguages.size(); ++i) {
            if (i > 0)
                list += i + 1 == kLanguages.size() ? " or " : ", ";
            list += kLanguages[i].name;
        }
        return list;
    }();
    return names;
}

std::optional<SettingRefusal> settingRefusal(const LanguageOptions& options) {
    const LanguageInfo& info = languageInfo(options.language);
    const auto outside = [&](LabelSetting setting, const SettingRange& range,
                             std::optional<int> value) -> std::optional<SettingRefusal> {
        if (!range.taken() || !value || range.holds(*value))
            return std::nullopt;
        return SettingRefusal{setting, std::string(info.label) + " " + std::string(range.word) +
                                           " is " + std::to_string(range.low) + " to " +
                                           std::to_string(range.high) + std::string(range.unit)};
    };
    const bool gapSent = options.media == LabelMedia::Gap || options.media == LabelMedia::Mark;
    if (auto refusal = outside(LabelSetting::Darkness, info.takes.darkness, options.darkness))
        return refusal;
    if (auto refusal = outside(LabelSetting::Speed, info.takes.speed, options.speed))
        return refusal;
    return outside(LabelSetting::Gap, info.takes.gapMm,
                   gapSent ? std::optional<int>(options.gapMm) : std::nullopt);
}

std::optional<std::string> statusRefusal(PrinterLanguage language) {
    const LanguageInfo& info = languageInfo(language);
    if (!info.statusQuery.empty())
        return std::nullopt;
    return std::string(info.label) + " printers do not report their state";
}

std::string encodePage(const PageToSend& page, const LanguageOptions& options) {
    return languageInfo(options.language).encode(page, options);
}

} // namespace quillset
