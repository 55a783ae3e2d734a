#pragma once

#include "barcode/BarPattern.h"
#include "barcode/BarcodeGeometry.h"

namespace quillset {

class PageRaster;
class TextField;

// Draws barcode objects into the page raster. The two patterns are working
// storage, rebuilt for every barcode; the engine keeps nothing of an object.
class BarcodeEngine {
public:
    virtual ~BarcodeEngine() = default;

    // One barcode at (x, y), the object's barcodeX/barcodeY. `data` is the
    // object's literal (printer code page). For UPC/EAN the last byte is the
    // check digit's place: the computed digit is written back into `data`.
    // `humanReadable` is not drawn here: the caller draws that line from
    // humanReadableOrigin. An unknown type or angle draws nothing.
    void Draw(PageRaster& raster, int x, int y, int angle, int humanReadable, int barcodeType,
              int barcodeHeight, TextField& data);

    // The current BarPattern as lines barcodeHeight long, spaces painted
    // white; for UPC/EAN (type 4) the GuardPattern then lengthens the guard
    // bars by barcodeHeight / 3.
    void RenderPattern(PageRaster& raster, int x, int y, int angle, int barcodeType,
                       int barcodeHeight) const;

    void ClearPatterns();

    BarPattern& barPattern() { return bars_; }
    GuardPattern& guardPattern() { return guards_; }
    const BarPattern& barPattern() const { return bars_; }
    const GuardPattern& guardPattern() const { return guards_; }

private:
    BarPattern bars_;
    GuardPattern guards_;
};

} // namespace quillset
