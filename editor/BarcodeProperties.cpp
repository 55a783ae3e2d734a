#include "editor/BarcodeProperties.h"

#include "barcode/BarcodeType.h"
#include "barcode/UpcEanEncoder.h"
#include "document/Compile.h"
#include "model/PageObject.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quillset {

namespace {

constexpr std::array<int, 5> kTypeByIndex{barcode_type::kCode39, barcode_type::kCode128,
                                          barcode_type::kInterleaved2of5, barcode_type::kCodabar,
                                          barcode_type::kUpcEan};

// The digits with the check digit the encoder computes for them.
std::string withCheckDigit(std::string_view digits) {
    std::string data = std::string(digits) + '0';
    data.back() = *upcEanCheckDigit(data);
    return data;
}

bool onlyDigits(std::string_view data) {
    return std::ranges::all_of(data, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int barcodeTypeForIndex(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= static_cast<int>(kTypeByIndex.size()))
        return barcode_type::kCode39;
    return kTypeByIndex[static_cast<std::size_t>(typeIndex)];
}

int typeIndexForBarcodeType(int barcodeType) {
    const auto* found = std::find(kTypeByIndex.begin(), kTypeByIndex.end(), barcodeType);
    return found == kTypeByIndex.end() ? 0 : static_cast<int>(found - kTypeByIndex.begin());
}

BarcodeFields barcodeFieldsOf(const PageObject& b) {
    BarcodeFields f;
    f.typeIndex = typeIndexForBarcodeType(b.barcodeType);
    f.data = std::string(b.styled.text());
    if (b.barcodeType == barcode_type::kCode128) {
        const SplitCode128 split = splitCode128CodeSet(f.data);
        f.codeSet = split.codeSet;
        f.data = std::string(split.plain);
    }
    f.height = b.barcodeHeight;
    f.humanReadable = b.humanReadable;
    f.angleIndex = b.angle;
    f.x = b.barcodeX;
    f.y = b.barcodeY;
    f.positionReadOnly = false;
    return f;
}

void applyBarcodeFields(PageObject& b, const BarcodeFields& f) {
    b.barcodeType = barcodeTypeForIndex(f.typeIndex);
    b.humanReadable = f.humanReadable;
    b.angle = f.angleIndex;
    b.barcodeY = f.y;
    b.barcodeHeight = f.height;
    b.barcodeX = f.x;
    b.literal.assign(storedBarcodeData(f));
    const std::string_view data = b.literal.view();
    b.styled.chars.fill(0);
    std::memcpy(b.styled.chars.data(), data.data(), data.size());
    setBarcodeBounds(b);
}

std::string storedBarcodeData(const BarcodeFields& f) {
    switch (barcodeTypeForIndex(f.typeIndex)) {
    case barcode_type::kCode128:
        return withCode128CodeSet(f.codeSet, f.data);
    case barcode_type::kUpcEan:
        if ((f.data.size() == 6 || f.data.size() == 11) && onlyDigits(f.data))
            return withCheckDigit(f.data);
        return f.data;
    default:
        return f.data;
    }
}

} // namespace quillset
