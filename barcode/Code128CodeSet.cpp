#include "barcode/Code128CodeSet.h"

#include <algorithm>

namespace quillset {

namespace {

constexpr unsigned char kCodeSetA = 135;

bool beginsWithCodeSet(std::string_view data) {
    if (data.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(data.front());
    return first >= kCodeSetA && first < kCodeSetA + 3;
}

bool evenDigits(std::string_view data) {
    return !data.empty() && data.size() % 2 == 0 &&
           std::ranges::all_of(data, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string withCode128CodeSet(Code128CodeSet codeSet, std::string_view plain) {
    if (plain.empty()) {
        return {};
    }
    if (codeSet == Code128CodeSet::Auto) {
        if (beginsWithCodeSet(plain)) {
            return std::string(plain);
        }
        codeSet = evenDigits(plain) ? Code128CodeSet::C : Code128CodeSet::B;
    }
    const int offset = static_cast<int>(codeSet) - static_cast<int>(Code128CodeSet::A);
    return static_cast<char>(kCodeSetA + offset) + std::string(plain);
}

SplitCode128 splitCode128CodeSet(std::string_view stored) {
    if (!beginsWithCodeSet(stored)) {
        return {Code128CodeSet::Auto, stored};
    }
    const int offset = static_cast<unsigned char>(stored.front()) - kCodeSetA;
    return {static_cast<Code128CodeSet>(static_cast<int>(Code128CodeSet::A) + offset),
            stored.substr(1)};
}

} // namespace quillset
