#include "barcode/BarcodeEngine.h"

#include "barcode/BarRows.h"
#include "barcode/BarcodeType.h"
#include "barcode/CodabarEncoder.h"
#include "barcode/Code128Encoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/Interleaved2of5Encoder.h"
#include "barcode/UpcEanEncoder.h"
#include "model/PageObject.h"
#include "model/TextField.h"
#include "raster/PageRaster.h"

namespace quillset {

namespace {

// Lines for the pattern entries, each running across the reading direction
// from `near` to `far` dots off the origin. Where the bars run down the page
// every row is alike; where they run across it, neighbouring entries of one
// colour are drawn as one box: the same dots as their lines.
void drawPattern(PageRaster& raster, const BarPattern& pattern, int x, int y, int angle, int near,
                 int far) {
    if (angle == 0) {
        paintBarRows(raster, pattern, x, 1, y + near, y + far);
        return;
    }
    if (angle == 2) {
        paintBarRows(raster, pattern, x, -1, y - near, y - far);
        return;
    }
    const int length = static_cast<int>(pattern.length());
    int first = 0;
    while (first < length) {
        const bool bar = pattern[static_cast<std::size_t>(first)] != 0;
        int last = first;
        while (last + 1 < length && (pattern[static_cast<std::size_t>(last + 1)] != 0) == bar) {
            ++last;
        }
        const std::int16_t colour = bar ? 1 : 0;
        if (angle == 1) {
            DrawBox(raster, x + near, y - last, x + far, y - first, colour, 0);
        } else {
            DrawBox(raster, x - far, y + first, x - near, y + last, colour, 0);
        }
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
        encodeCode39(text, bars_);
        break;
    case barcode_type::kCode128:
        if (!encodeCode128(text, bars_)) {
            return;
        }
        break;
    case barcode_type::kInterleaved2of5:
        EncodeInterleaved2of5(text, bars_);
        break;
    case barcode_type::kUpcEan:
        if (const auto check = EncodeUpcEan(text, bars_, guards_)) {
            data.replaceLast(*check);
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
