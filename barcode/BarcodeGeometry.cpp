#include "barcode/BarcodeGeometry.h"

#include "barcode/BarcodeType.h"
#include "model/PageObject.h"

namespace quillset {

int BarcodeExtent(int barcodeType, int n) {
    switch (barcodeType) {
    case barcode_type::kCode128:
        return 22 * n + 88;
    case barcode_type::kInterleaved2of5:
        return ((n + 1) / 2) * 36 + 80;
    case barcode_type::kUpcEan:
        return (n + 2) * 16;
    case barcode_type::kCodabar:
        return 24 * n + 60;
    default:
        return (n + 4) * 32;
    }
}

BarcodeBox BarcodeBounds(int x, int y, int angle, int extent, int barcodeHeight) {
    const int e = extent;
    const int h = barcodeHeight;
    switch (angle) {
    case 1:
        return {x, y - e, x + h, y};
    case 2:
        return {x - e, y - h, x, y};
    case 3:
        return {x - h, y, x, y + e};
    default:
        return {x, y, x + e, y + h};
    }
}

int HumanReadableOffset(int barcodeType, int n) {
    const int text = (10 * n) / 2;
    switch (barcodeType) {
    case barcode_type::kCode128:
        return (22 * n) / 2 - text + 44;
    case barcode_type::kInterleaved2of5:
        return (((n + 1) / 2) * 36) / 2 - text + 40;
    case barcode_type::kUpcEan:
        return (16 * n) / 2 - text + 16;
    case barcode_type::kCodabar:
        return (24 * n) / 2 - text + 30;
    default:
        return (32 * n) / 2 - text + 64;
    }
}

TextOrigin humanReadableOrigin(int x, int y, int angle, int barcodeType, int barcodeHeight, int n) {
    const int o = HumanReadableOffset(barcodeType, n);
    const int h = barcodeHeight;
    const int d = barcodeType == barcode_type::kUpcEan ? h + h / 3 : h;
    switch (angle) {
    case 1:
        return {x + d, y - o};
    case 2:
        return {x - o, y - d};
    case 3:
        return {x - d, y + o};
    default:
        return {x + o, y + d};
    }
}

} // namespace quillset
