#include "barcode/HumanReadable.h"

#include "barcode/BarcodeType.h"
#include "barcode/CellTables.h"

namespace quillset {

namespace {

constexpr std::uint8_t kCode128SubsetA = 135;
constexpr std::uint8_t kCode128SubsetC = 137;

bool isDigit(std::uint8_t b) {
    return b >= '0' && b <= '9';
}

// Subsets A and B draw byte b as symbol value b - 32. Values 0 to 63 are the
// printable characters both share, 64 to 94 subset B's lower case; subset A
// reads 64 to 95 as control characters, subset B 95 as DEL, and 96 on are
// the function, shift and code characters.
bool code128Shown(int subset, std::uint8_t b) {
    if (subset == 2) {
        return isDigit(b);
    }
    const int value = b - 32;
    return value >= 0 && value < (subset == 0 ? 64 : 95);
}

void markCode128(std::string_view data, std::vector<bool>& shown) {
    const auto byte = [data](std::size_t i) { return static_cast<std::uint8_t>(data[i]); };
    const auto namesSubset = [](std::uint8_t b) {
        return b >= kCode128SubsetA && b <= kCode128SubsetC;
    };
    // Data that names no subset draws no bars; its line is shown as stored.
    if (data.empty() || !namesSubset(byte(0))) {
        return;
    }
    int subset = byte(0) - kCode128SubsetA;
    shown[0] = false;
    for (std::size_t i = 1; i < data.size(); ++i) {
        const std::uint8_t b = byte(i);
        if (namesSubset(b)) {
            subset = b - kCode128SubsetA;
            shown[i] = false;
        } else {
            shown[i] = code128Shown(subset, b);
        }
    }
}

// Keys of a cell table that draw no character of their own: start/stop,
// quiet zone or blank cells.
bool cellShown(const CellTable& cells, std::string_view steering, char c) {
    return cells.find(static_cast<std::uint8_t>(c)) != nullptr &&
           steering.find(c) == std::string_view::npos;
}

void markCells(const CellTable& cells, std::string_view steering, std::string_view data,
               std::vector<bool>& shown) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        shown[i] = cellShown(cells, steering, data[i]);
    }
}

} // namespace

std::vector<bool> humanReadableBytes(int barcodeType, std::string_view data) {
    std::vector<bool> shown(data.size(), true);
    switch (barcodeType) {
    case barcode_type::kCode128:
        markCode128(data, shown);
        break;
    case barcode_type::kCode39:
        markCells(kCode39Cells, "#!", data, shown);
        break;
    case barcode_type::kCodabar:
        markCells(kCodabarCells, " !\"%&'(),", data, shown);
        break;
    default:
        break;
    }
    return shown;
}

StyledText humanReadableLine(int barcodeType, const StyledText& data) {
    const std::vector<bool> shown = humanReadableBytes(barcodeType, data.text());
    StyledText line;
    std::size_t n = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i]) {
            line.chars[n] = data.chars[i];
            line.attrs[n] = data.attrs[i];
            ++n;
        }
    }
    return line;
}

} // namespace quillset
