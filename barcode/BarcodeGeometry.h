#pragma once

namespace quillset {

struct BarcodeBox {
    int left, top, right, bottom;
    friend bool operator==(const BarcodeBox&, const BarcodeBox&) = default;
};

struct TextOrigin {
    int x, y;
    friend bool operator==(const TextOrigin&, const TextOrigin&) = default;
};

// Length of the symbol along the reading direction, in dots, for n data
// bytes: what the editor takes as the barcode's size.
int BarcodeExtent(int barcodeType, int n);

// The box the bars cover, without the guard extension and the
// human-readable line.
BarcodeBox BarcodeBounds(int x, int y, int angle, int extent, int barcodeHeight);

// Distance along the reading direction from the origin to the start of the
// human-readable line, which is centred on the data on the assumption of 10
// dots per character.
int HumanReadableOffset(int barcodeType, int n);

// Where the human-readable line starts, for the text renderer: beyond the
// bars (and for UPC/EAN beyond the guard extension), at the barcode's angle.
TextOrigin humanReadableOrigin(int x, int y, int angle, int barcodeType, int barcodeHeight, int n);

} // namespace quillset
