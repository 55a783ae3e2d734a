#pragma once

#include <cstdint>

namespace quillset {

// The printer type names the paper width: 2, 3 or 4 inches.
inline constexpr int kDefaultPrinterType = 2;

// Any value other than 2, 3 or 4 counts as 2.
constexpr int normalisedPrinterType(int type) {
    return (type == 2 || type == 3 || type == 4) ? type : kDefaultPrinterType;
}

// The printers' resolution: 8 dots per millimetre (203 dots per inch).
inline constexpr int kDotsPerMetre = 8000;

// Dots across the paper, which is also the page width at start-up.
constexpr std::int16_t startupPageWidth(int type) {
    switch (normalisedPrinterType(type)) {
    case 3:
        return 576;
    case 4:
        return 832;
    default:
        return 384;
    }
}

} // namespace quillset
