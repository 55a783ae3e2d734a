#include "symbol/SymbolEncoder.h"

#include "model/CodePage437.h"
#include "model/GroupedCount.h"
#include "symbol/Symbology.h"

#include <zint.h>

#include <map>
#include <mutex>
#include <optional>

namespace quillset {

namespace {

// Enough for every symbol of a few pages and the dialog's preview; past it
// the memory starts again, so it never grows without end.
constexpr std::size_t kRemembered = 512;

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

std::string named(const SymbologyInfo& info, std::string_view reason) {
    std::string text(info.name);
    text += ": ";
    text += reason;
    return text;
}

// The library's message without its "Error 123: " in front, to follow a
// colon: "Invalid check digit" becomes "invalid check digit", "AI" stays.
std::string libraryReason(const char* errtxt) {
    std::string_view text(errtxt);
    const std::size_t colon = text.find(": ");
    if (colon != std::string_view::npos && colon < 16)
        text.remove_prefix(colon + 2);
    std::string reason(text);
    if (reason.size() > 1 && reason[0] >= 'A' && reason[0] <= 'Z' && reason[1] >= 'a' &&
        reason[1] <= 'z')
        reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
    return reason;
}

int libraryId(std::int32_t number) {
    switch (number) {
    case symbology::kQrCode:
        return BARCODE_QRCODE;
    case symbology::kDataMatrix:
        return BARCODE_DATAMATRIX;
    case symbology::kPdf417:
        return BARCODE_PDF417;
    case symbology::kAztec:
        return BARCODE_AZTEC;
    default:
        return BARCODE_MAXICODE;
    }
}

// The library's Aztec levels of error correction, each a percentage of the
// symbol: the first that gives at least the percentage asked, else the most.
constexpr int kAztecLevels[] = {10, 23, 36, 50};

int aztecLevel(int percent) {
    for (int level = 0; level < 4; ++level) {
        if (kAztecLevels[level] >= percent)
            return level + 1;
    }
    return 4;
}

// MaxiCode's modes 2 and 3 carry the postcode, country and service apart,
// in front of the rest of the data.
std::size_t primaryLength(std::int32_t number, int option) {
    if (number != symbology::kMaxiCode)
        return 0;
    return option == 2 ? 15 : option == 3 ? 12 : 0;
}

// What the arguments break before the library sees them, or nothing.
std::optional<std::string> argumentProblem(const SymbologyInfo& info, int module, int option,
                                           std::string_view data) {
    std::string reason;
    if (module < kMinSymbolModule || module > kMaxSymbolModule) {
        reason = "the module is ";
        reason += std::to_string(module);
        reason += " dots; it takes " + std::to_string(kMinSymbolModule) + " to " +
                  std::to_string(kMaxSymbolModule);
        return named(info, reason);
    }
    if (!optionAllowed(info, option)) {
        reason = "option ";
        reason += std::to_string(option);
        reason += " is not one of ";
        if (info.optionOff >= 0)
            reason += std::to_string(info.optionOff) + " or ";
        reason += std::to_string(info.optionMin) + " to " + std::to_string(info.optionMax);
        return named(info, reason);
    }
    if (data.empty())
        return named(info, "there is no data");
    if (info.number == symbology::kDataMatrix && option == 1) {
        for (const char c : data) {
            if (static_cast<unsigned char>(c) >= 0x80 || static_cast<unsigned char>(c) < ' ') {
                reason = "'";
                reason += cp437ToUtf8(std::string_view(&c, 1));
                reason += "' cannot be encoded in GS1 mode";
                return named(info, reason);
            }
        }
    }
    const std::size_t primary = primaryLength(info.number, option);
    if (data.size() < primary) {
        reason = "mode ";
        reason += std::to_string(option);
        reason += option == 2 ? " begins with a 9-digit postcode" : " begins with a 6-character postcode";
        reason += ", the country and the service (" + std::to_string(primary) + " characters)";
        return named(info, reason);
    }
    return std::nullopt;
}

SymbolImage moduleImage(const zint_symbol& s, int module, bool tallRows) {
    SymbolImage image;
    image.columns = s.width;
    image.rows = s.rows;
    image.cellWidth = module;
    image.cellHeight = tallRows ? 3 * module : module;
    image.dark.resize(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.rows));
    for (int r = 0; r < s.rows; ++r) {
        for (int c = 0; c < s.width; ++c)
            image.dark[static_cast<std::size_t>(r * s.width + c)] =
                (s.encoded_data[r][c >> 3] >> (c & 7)) & 1;
    }
    return image;
}

// MaxiCode as the library lays out its hexagons and rings, a hexagon
// `module` dots wide.
SymbolImage hexagonImage(zint_symbol& s, int module, std::string& problem) {
    s.scale = static_cast<float>(module) / 10.0f;
    s.output_options |= OUT_BUFFER_INTERMEDIATE;
    SymbolImage image;
    if (ZBarcode_Buffer(&s, 0) >= ZINT_ERROR) {
        problem = libraryReason(s.errtxt);
        return image;
    }
    image.columns = s.bitmap_width;
    image.rows = s.bitmap_height;
    image.dark.resize(static_cast<std::size_t>(image.columns) * static_cast<std::size_t>(image.rows));
    for (std::size_t i = 0; i < image.dark.size(); ++i)
        image.dark[i] = s.bitmap[i] != '0';
    return image;
}

EncodedSymbol encodeNew(std::int32_t number, int module, int option, std::string_view data) {
    const SymbologyInfo* info = symbologyInfo(number);
    if (info == nullptr) {
        std::string reason = "Symbology ";
        reason += std::to_string(number);
        reason += " is none of 1 QR Code, 2 Data Matrix, 3 PDF417, 4 Aztec, 5 MaxiCode";
        return {nullptr, reason};
    }
    if (auto problem = argumentProblem(*info, module, option, data))
        return {nullptr, std::move(*problem)};

    Symbol s(ZBarcode_Create());
    s->symbology = libraryId(number);
    s->input_mode = UNICODE_MODE;
    s->show_hrt = 0;
    s->warn_level = WARN_DEFAULT;
    switch (number) {
    case symbology::kQrCode:
        s->option_1 = option + 1;
        break;
    case symbology::kDataMatrix:
        // A GS1 symbol the library only warns about (a wrong check digit, a
        // date that is none) would not scan as the data meant.
        if (option == 1) {
            s->input_mode = GS1_MODE | GS1PARENS_MODE;
            s->warn_level = WARN_FAIL_ALL;
        }
        break;
    case symbology::kPdf417:
        s->option_1 = option;
        break;
    case symbology::kAztec:
        if (option != 0)
            s->option_1 = aztecLevel(option);
        break;
    default:
        s->option_1 = option;
        break;
    }
    const std::size_t primary = primaryLength(number, option);
    const std::string primaryText = cp437ToUtf8(data.substr(0, primary));
    primaryText.copy(s->primary, sizeof s->primary - 1);
    const std::string text = cp437ToUtf8(data.substr(primary));
    const int result = ZBarcode_Encode(s.get(), reinterpret_cast<const unsigned char*>(text.data()),
                                       static_cast<int>(text.size()));
    if (result >= ZINT_ERROR) {
        if (result == ZINT_ERROR_TOO_LONG)
            return {nullptr,
                    named(*info, groupedCount(data.size()) + " characters do not fit")};
        return {nullptr, named(*info, libraryReason(s->errtxt))};
    }
    std::string problem;
    SymbolImage image = number == symbology::kMaxiCode
                            ? hexagonImage(*s, module, problem)
                            : moduleImage(*s, module, number == symbology::kPdf417);
    if (!problem.empty())
        return {nullptr, named(*info, problem)};
    return {std::make_shared<const SymbolImage>(std::move(image)), {}};
}

} // namespace

EncodedSymbol encodeSymbol(std::int32_t number, int module, int option, std::string_view data) {
    static std::mutex guard;
    static std::map<std::string, EncodedSymbol, std::less<>> remembered;
    std::string key = std::to_string(number) + ',' + std::to_string(module) + ',' +
                      std::to_string(option) + ',';
    key += data;
    {
        const std::lock_guard lock(guard);
        const auto found = remembered.find(key);
        if (found != remembered.end())
            return found->second;
    }
    EncodedSymbol encoded = encodeNew(number, module, option, data);
    const std::lock_guard lock(guard);
    if (remembered.size() >= kRemembered)
        remembered.clear();
    remembered.emplace(std::move(key), encoded);
    return encoded;
}

} // namespace quillset
