#include "barcode/BarcodeEngine.h"

#include "barcode/CodabarEncoder.h"
#include "barcode/Code128Encoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/Interleaved2of5Encoder.h"
#include "barcode/UpcEanEncoder.h"
#include "model/PageObject.h"
#include "model/TextField.h"
#include "raster/PageRaster.h"

#include <string>

namespace quillset {

namespace {

// Lines for the pattern entries first..last, each running across the
// reading direction from `near` to `far` dots off the origin. Neighbouring
// entries of one colour are drawn as one box: the same dots as their lines.
void drawEntries(PageRaster& raster, int x, int y, int angle, int first, int last, int near,
                 int far, std::int16_t colour) {
    switch (angle) {
    case 0:
        DrawBox(raster, x + first, y + near, x + last, y + far, colour, 0);
        break;
    case 1:
        DrawBox(raster, x + near, y - last, x + far, y - first, colour, 0);
        break;
    case 2:
        DrawBox(raster, x - last, y - far, x - first, y - near, colour, 0);
        break;
    case 3:
        DrawBox(raster, x - far, y + first, x - near, y + last, colour, 0);
        break;
    default:
        break;
    }
}

void drawPattern(PageRaster& raster, const BarPattern& pattern, int x, int y, int angle, int near,
                 int far) {
    const int length = static_cast<int>(pattern.length());
    int first = 0;
    while (first < length) {
        const bool bar = pattern[static_cast<std::size_t>(first)] != 0;
        int last = first;
        while (last + 1 < length && (pattern[static_cast<std::size_t>(last + 1)] != 0) == bar) {
            ++last;
        }
        drawEntries(raster, x, y, angle, first, last, near, far, bar ? 1 : 0);
        first = last + 1;
    }
}

} // namespace

void BarcodeEngine::Draw(PageRaster& raster, int x, int y, int angle,
                         [[maybe_unused]] int humanReadable, int barcodeType, int barcodeHeight,
                         TextField& data) {
    const std::string_view text = data.view();
    ClearPatterns();
    switch (barcodeType) {
    case barcode_type::kCode39:
        EncodeCode39(text, bars_);
        break;
    case barcode_type::kCode128:
        if (!EncodeCode128(text, bars_)) {
            return;
        }
        break;
    case barcode_type::kInterleaved2of5:
        EncodeInterleaved2of5(text, bars_);
        break;
    case barcode_type::kUpcEan:
        if (const auto check = EncodeUpcEan(text, bars_, guards_)) {
            std::string written(text);
            written.back() = *check;
            data.assign(written);
        }
        break;
    case barcode_type::kCodabar:
        EncodeCodabar(text, bars_);
        break;
    default:
        return;
    }
    RenderPattern(raster, x, y, angle, barcodeType, barcodeHeight);
}

void BarcodeEngine::RenderPattern(PageRaster& raster, int x, int y, int angle, int barcodeType,
                                  int barcodeHeight) const {
    if (angle < 0 || angle > 3) {
        return;
    }
    const int h = barcodeHeight;
    drawPattern(raster, bars_, x, y, angle, 0, h);
    if (barcodeType == barcode_type::kUpcEan) {
        drawPattern(raster, guards_, x, y, angle, h, h + h / 3);
    }
}

void BarcodeEngine::ClearPatterns() {
    bars_.clear();
    guards_.clear();
}

} // namespace quillset
