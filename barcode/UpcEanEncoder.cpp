#include "barcode/UpcEanEncoder.h"

#include "barcode/CellTables.h"

#include <array>

namespace quillset {

namespace {

constexpr std::size_t kDigitDots = 14;

// A: odd parity (L table), B: even parity (G table), for the six digits of
// the left half.
constexpr std::string_view kEan13Parity[10] = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};
// UPC-E in number system 0, chosen by the check digit.
constexpr std::string_view kUpcEParity[10] = {
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
    "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",
};
constexpr std::string_view kAllOdd = "AAAAAA";

int value(char c) {
    return static_cast<unsigned char>(c) - '0';
}

// The standard check digit of the digits before it: weight 3 on the digit
// next to the check digit and on every second one before it.
int checkDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        sum += value(*digit) * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

// A UPC-E's check digit is that of the UPC-A it stands for; its sixth digit
// says where the zeros were suppressed.
int upcECheckDigit(std::string_view d) {
    const char z = '0';
    std::array<char, 11> upcA{};
    switch (value(d[5])) {
    case 0:
    case 1:
    case 2:
        upcA = {z, d[0], d[1], d[5], z, z, z, z, d[2], d[3], d[4]};
        break;
    case 3:
        upcA = {z, d[0], d[1], d[2], z, z, z, z, z, d[3], d[4]};
        break;
    case 4:
        upcA = {z, d[0], d[1], d[2], d[3], z, z, z, z, z, d[4]};
        break;
    default:
        upcA = {z, d[0], d[1], d[2], d[3], d[4], z, z, z, z, d[5]};
        break;
    }
    return checkDigit(std::string_view(upcA.data(), upcA.size()));
}

// Appends to both patterns in step: the cell to the bars, and either the
// same cell (a guard) or blanks of its width to the guard pattern.
class CellWriter {
public:
    CellWriter(BarPattern& bars, GuardPattern& guards)
        : bars_(bars)
        , guards_(guards) {}

    void quietZone() {
        if (bars_.appendCell(kUpcGuardCells, 'Q')) {
            guards_.appendBlank(kDigitDots);
        }
    }
    void guard(const CellTable& table, std::uint8_t key) {
        bars_.appendCell(table, key);
        guards_.appendCell(table, key);
    }
    void digit(const CellTable& table, char c) {
        if (bars_.appendCell(table, static_cast<std::uint8_t>(c))) {
            guards_.appendBlank(kDigitDots);
        }
    }
    void leftHalf(std::string_view digits, std::string_view parity) {
        for (std::size_t i = 0; i < digits.size(); ++i) {
            digit(parity[i] == 'B' ? kUpcGCells : kUpcLCells, digits[i]);
        }
    }
    void rightHalf(std::string_view digits, char check) {
        for (const char c : digits) {
            digit(kUpcRCells, c);
        }
        digit(kUpcRCells, check);
    }

private:
    BarPattern& bars_;
    GuardPattern& guards_;
};

} // namespace

std::optional<char> EncodeUpcEan(std::string_view data, BarPattern& bars, GuardPattern& guards) {
    CellWriter out(bars, guards);
    out.quietZone();
    out.guard(kUpcGuardCells, 'L');

    const std::string_view digits = data.substr(0, data.empty() ? 0 : data.size() - 1);
    int check = 0;
    switch (data.size()) {
    case 7:
        check = upcECheckDigit(digits);
        out.leftHalf(digits, kUpcEParity[check]);
        out.guard(kUpcGuardCells, 'R');
        break;
    case 8:
    case 12: {
        check = checkDigit(digits);
        const std::size_t half = data.size() / 2;
        out.leftHalf(digits.substr(0, half), kAllOdd);
        out.guard(kUpcCentreGuardCells, 'M');
        out.rightHalf(digits.substr(half), static_cast<char>('0' + check));
        out.guard(kUpcGuardCells, 'O');
        break;
    }
    case 13: {
        check = checkDigit(digits);
        // A first byte that is no digit has no parity pattern of its own.
        const int first = value(digits[0]);
        out.leftHalf(digits.substr(1, 6), first >= 0 && first <= 9 ? kEan13Parity[first] : kAllOdd);
        out.guard(kUpcCentreGuardCells, 'M');
        out.rightHalf(digits.substr(7), static_cast<char>('0' + check));
        out.guard(kUpcGuardCells, 'O');
        break;
    }
    default:
        bars.appendCell(kUpcGuardCells, 'O');
        bars.writeEndMark();
        guards.writeEndMark();
        return std::nullopt;
    }
    bars.writeEndMark();
    guards.writeEndMark();
    return static_cast<char>('0' + check);
}

std::optional<char> upcEanCheckDigit(std::string_view data) {
    BarPattern bars;
    GuardPattern guards;
    return EncodeUpcEan(data, bars, guards);
}

} // namespace quillset
