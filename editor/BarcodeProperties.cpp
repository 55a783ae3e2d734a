#include "editor/BarcodeProperties.h"

#include "barcode/BarcodeType.h"
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
    b.literal.assign(f.data);
    const std::string_view data = b.literal.view();
    b.styled.chars.fill(0);
    std::memcpy(b.styled.chars.data(), data.data(), data.size());
    setBarcodeBounds(b);
}

} // namespace quillset
