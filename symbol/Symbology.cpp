#include "symbol/Symbology.h"

#include <algorithm>
#include <array>

namespace quillset {

namespace {

constexpr std::array<SymbologyInfo, 5> kSymbologies = {{
    {symbology::kQrCode, "QR Code", "Error correction", 0, 3, -1, 1, 4},
    {symbology::kDataMatrix, "Data Matrix", "Data", 0, 1, -1, 0, 4},
    {symbology::kPdf417, "PDF417", "Security level", 0, 8, -1, 2, 2},
    {symbology::kAztec, "Aztec", "Error correction %", 10, 90, 0, 0, 4},
    {symbology::kMaxiCode, "MaxiCode", "Mode", 2, 6, -1, 4, 7},
}};

constexpr std::array<std::string_view, 4> kQrLevels = {"L (7%)", "M (15%)", "Q (25%)",
                                                       "H (30%)"};

} // namespace

std::span<const SymbologyInfo> symbologies() {
    return kSymbologies;
}

const SymbologyInfo* symbologyInfo(std::int32_t number) {
    const auto found = std::find_if(kSymbologies.begin(), kSymbologies.end(),
                                    [number](const SymbologyInfo& s) { return s.number == number; });
    return found == kSymbologies.end() ? nullptr : &*found;
}

bool optionAllowed(const SymbologyInfo& info, int option) {
    return option == info.optionOff || (option >= info.optionMin && option <= info.optionMax);
}

std::string optionMeaning(const SymbologyInfo& info, int option) {
    if (!optionAllowed(info, option))
        return "not a choice of " + std::string(info.name);
    std::string meaning;
    switch (info.number) {
    case symbology::kQrCode:
        meaning = "error correction ";
        meaning += kQrLevels[static_cast<std::size_t>(option)];
        break;
    case symbology::kDataMatrix:
        meaning = option == 1 ? "GS1: (01)09501101530003(17)261231(10)ABC" : "plain data";
        break;
    case symbology::kPdf417:
        meaning = "security level " + std::to_string(option);
        break;
    case symbology::kAztec:
        meaning = option == 0 ? "default error correction (23%)"
                              : "error correction " + std::to_string(option) + "%";
        break;
    case symbology::kMaxiCode:
        meaning = "mode " + std::to_string(option);
        if (option == 2)
            meaning += ": 9-digit postcode, country and service first (15 characters)";
        else if (option == 3)
            meaning += ": 6-character postcode, country and service first (12 characters)";
        break;
    default:
        break;
    }
    return meaning;
}

} // namespace quillset
