#pragma once

#include "barcode/Code128CodeSet.h"

#include <cstddef>
#include <string>

namespace quillset {

struct PageObject;

// What the Barcode dialog shows and hands back.
struct BarcodeFields {
    int typeIndex = -1; // the type button, 0..4 in the dialog's order; -1 none
    // The data characters in code page 437, one byte each, as the user sees
    // them: as the object keeps them, but for a Code 128 without its
    // code-set character, which `codeSet` holds. The dialog converts to and
    // from Unicode.
    std::string data;
    Code128CodeSet codeSet = Code128CodeSet::Auto;
    int height = 0;
    int humanReadable = 0;
    int angleIndex = -1; // 0..3 quarter turns, -1 none chosen
    int y = 0;
    int x = 0;
    bool positionReadOnly = false; // the position comes from the click that places it

    friend bool operator==(const BarcodeFields&, const BarcodeFields&) = default;
};

// Limits the dialog checks on OK.
inline constexpr std::size_t kMaxBarcodeData = 198;
inline constexpr int kMinBarcodeHeight = 1;
inline constexpr int kMaxBarcodeHeight = 255;

// The type buttons run Code 39, Code 128, Interleaved 2 of 5, Codabar,
// UPC/EAN. An index outside them stores Code 39; a type outside 1..5
// opens on the first button.
int barcodeTypeForIndex(int typeIndex);
int typeIndexForBarcodeType(int barcodeType);

BarcodeFields barcodeFieldsOf(const PageObject& barcode);

// The data as the object keeps it: a Code 128 with its code-set character in
// front; the 6 or 11 digits of a UPC-E or UPC-A, which the dialog asks for,
// followed by their check digit.
std::string storedBarcodeData(const BarcodeFields& fields);

// Stores the dialog's values and the box the bars then cover. The data goes
// into both the characters (keeping their attributes) and the literal; x
// and y, the editor's working position, are left alone.
void applyBarcodeFields(PageObject& barcode, const BarcodeFields& fields);

} // namespace quillset
