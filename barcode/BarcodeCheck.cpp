#include "barcode/BarcodeCheck.h"

#include "barcode/BarcodeType.h"
#include "barcode/CellTables.h"
#include "barcode/CodabarEncoder.h"
#include "barcode/Code128Encoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/Interleaved2of5Encoder.h"
#include "barcode/UpcEanEncoder.h"

#include <algorithm>

namespace quillset {

namespace {

using Problem = std::optional<BarcodeDataFault>;

constexpr unsigned char kFnc1 = 134;
constexpr unsigned char kCodeSetA = 135;
constexpr unsigned char kCodeSetC = 137;
constexpr std::string_view kCodabarStartStop = "ABCDTN*E";

unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

std::string characterName(unsigned char c) {
    if (c == ' ') {
        return "space";
    }
    if (c > ' ' && c < 127) {
        return std::string(1, static_cast<char>(c));
    }
    return "CHR$(" + std::to_string(c) + ")";
}

// The distinct bytes of `data` that `draws` refuses, in the order they
// first appear.
template <class Draws> std::string refused(std::string_view data, Draws draws) {
    std::string bytes;
    for (const char c : data) {
        if (!draws(byteOf(c)) && bytes.find(c) == std::string::npos) {
            bytes += c;
        }
    }
    return bytes;
}

std::string namesOf(std::string_view bytes) {
    std::string names;
    for (const char c : bytes) {
        names += (names.empty() ? "" : ", ") + characterName(byteOf(c));
    }
    return names;
}

template <class Draws>
Problem undrawable(const std::string& symbology, std::string_view data, Draws draws) {
    const std::string lower =
        refused(data, [&](unsigned char c) { return !isLower(c) || draws(c); });
    if (!lower.empty()) {
        return symbology + " has no lower-case letters: " + namesOf(lower);
    }
    std::string other = refused(data, draws);
    if (other.empty()) {
        return std::nullopt;
    }
    BarcodeDataFault fault(symbology + " cannot draw " + namesOf(other));
    fault.refused = std::move(other);
    fault.lackedBy = symbology;
    return fault;
}

// A cell with bars stands for the byte; a blank cell draws a gap instead.
bool hasBars(const CellTable& table, unsigned char c) {
    const std::uint64_t dots = table.firstDots[c];
    return dots != kNoCell && dots != 0;
}

Problem code39Problem(std::string_view data) {
    // '#' draws the start/stop character, which ends the symbol for a reader.
    return undrawable("Code 39", data,
                      [](unsigned char c) { return c != '#' && hasBars(kCode39Cells, c); });
}

bool namesCodeSet(unsigned char c) {
    return c >= kCodeSetA && c <= kCodeSetC;
}

// One stretch of Code 128 data in one code set. Code set A draws the bytes
// 32 to 95, B 32 to 127 (symbol value plus 32); C pairs digits from the
// left, so an odd run gets a '0' in front. FNC1 draws in every code set.
Problem code128RunProblem(int codeSet, std::string_view run) {
    const char name = static_cast<char>('A' + codeSet);
    const std::string symbology = std::string("Code 128 code set ") + name;
    const unsigned char last = codeSet == 0 ? 95 : codeSet == 1 ? 127 : 0;
    Problem problem = undrawable(symbology, run, [&](unsigned char c) {
        return c == kFnc1 || (codeSet == 2 ? isDigit(c) : c >= ' ' && c <= last);
    });
    if (problem && std::ranges::none_of(problem->refused, [](char c) {
            return byteOf(c) >= ' ' && byteOf(c) <= 127;
        })) {
        problem->lackedBy = "Code 128";
    }
    if (problem || codeSet != 2) {
        return problem;
    }
    // Digits pair up between FNC1s.
    std::size_t count = 0;
    for (std::size_t i = 0; i <= run.size(); ++i) {
        if (i == run.size() || byteOf(run[i]) == kFnc1) {
            if (count % 2 == 1) {
                return symbology + " takes an even number of digits";
            }
            count = 0;
        } else {
            ++count;
        }
    }
    return std::nullopt;
}

Problem code128Problem(std::string_view data) {
    if (!namesCodeSet(byteOf(data[0]))) {
        return "Code 128 data must begin with a code-set character";
    }
    std::size_t start = 0;
    while (start < data.size()) {
        const int codeSet = byteOf(data[start]) - kCodeSetA;
        std::size_t end = start + 1;
        while (end < data.size() && !namesCodeSet(byteOf(data[end]))) {
            ++end;
        }
        if (Problem p = code128RunProblem(codeSet, data.substr(start + 1, end - start - 1))) {
            return p;
        }
        start = end;
    }
    return std::nullopt;
}

Problem interleaved2of5Problem(std::string_view data) {
    if (Problem p = undrawable("Interleaved 2 of 5", data, isDigit)) {
        return p;
    }
    if (data.size() % 2 == 1) {
        return "Interleaved 2 of 5 takes an even number of digits";
    }
    return std::nullopt;
}

std::string upcEanName(std::size_t length) {
    switch (length) {
    case 7:
        return "UPC-E";
    case 8:
        return "EAN-8";
    case 12:
        return "UPC-A";
    default:
        return "EAN-13";
    }
}

// The last byte is the check digit's place: the encoder draws the digit it
// computes there, while the human-readable line shows the byte as stored.
Problem upcEanProblem(std::string_view data) {
    const std::size_t n = data.size();
    const bool checkDigitMissing = n == 6 || n == 11;
    if (!checkDigitMissing && n != 7 && n != 8 && n != 12 && n != 13) {
        return "UPC/EAN takes 7, 8, 12 or 13 digits, the last the check digit";
    }
    const std::string_view digits = checkDigitMissing ? data : data.substr(0, n - 1);
    if (Problem p = undrawable("UPC/EAN", digits, isDigit)) {
        return p;
    }
    if (checkDigitMissing) {
        const char check = *upcEanCheckDigit(std::string(data) + '0');
        return upcEanName(n + 1) + " takes " + std::to_string(n + 1) + " digits: the " +
               std::to_string(n) + " and the check digit " + check;
    }
    const char check = *upcEanCheckDigit(data);
    if (data.back() != check) {
        return upcEanName(n) + " check digit should be " + check + ", not " +
               characterName(byteOf(data.back()));
    }
    return std::nullopt;
}

// Codabar draws no start and stop characters of its own: the data's first
// and last bytes are they, and none stands between.
Problem codabarProblem(std::string_view data) {
    if (Problem p = undrawable("Codabar", data,
                               [](unsigned char c) { return hasBars(kCodabarCells, c); })) {
        return p;
    }
    const auto isStartStop = [](char c) { return kCodabarStartStop.find(c) != std::string::npos; };
    if (data.size() < 2 || !isStartStop(data.front()) || !isStartStop(data.back())) {
        return "Codabar data must begin and end with A, B, C or D";
    }
    const std::string_view inside = data.substr(1, data.size() - 2);
    if (std::ranges::any_of(inside, isStartStop)) {
        return "Codabar has A, B, C and D only at the ends";
    }
    return std::nullopt;
}

// Dots that do not fit the 832 of the pattern are cut off the symbol's end.
bool fitsThePattern(int barcodeType, std::string_view data) {
    BarPattern bars;
    GuardPattern guards;
    switch (barcodeType) {
    case barcode_type::kCode39:
        encodeCode39(data, bars);
        break;
    case barcode_type::kCode128:
        encodeCode128(data, bars);
        break;
    case barcode_type::kInterleaved2of5:
        EncodeInterleaved2of5(data, bars);
        break;
    case barcode_type::kUpcEan:
        EncodeUpcEan(data, bars, guards);
        break;
    default:
        EncodeCodabar(data, bars);
        break;
    }
    return !bars.dropped();
}

Problem symbologyProblem(int barcodeType, std::string_view data) {
    switch (barcodeType) {
    case barcode_type::kCode39:
        return code39Problem(data);
    case barcode_type::kCode128:
        return code128Problem(data);
    case barcode_type::kInterleaved2of5:
        return interleaved2of5Problem(data);
    case barcode_type::kUpcEan:
        return upcEanProblem(data);
    case barcode_type::kCodabar:
        return codabarProblem(data);
    default:
        return "Barcode type " + std::to_string(barcodeType) + " is none of 1 to 5";
    }
}

} // namespace

std::optional<std::string> barcodeDataProblem(int barcodeType, std::string_view data) {
    if (auto fault = barcodeDataFault(barcodeType, data)) {
        return std::move(fault->reason);
    }
    return std::nullopt;
}

std::optional<BarcodeDataFault> barcodeDataFault(int barcodeType, std::string_view data) {
    if (data.empty()) {
        return "The barcode has no data";
    }
    if (Problem p = symbologyProblem(barcodeType, data)) {
        return p;
    }
    if (!fitsThePattern(barcodeType, data)) {
        return "The barcode is too long: its symbol would be wider than " +
               std::to_string(BarPattern::kCapacity) + " dots";
    }
    return std::nullopt;
}

} // namespace quillset
