#pragma once

#include "barcode/BarcodeEngine.h"
#include "raster/PageRaster.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"

#include <memory>

namespace quillset {

class ObjectList;

// Turns the object list into the page image. Owns the raster engine's
// pieces for the page view's whole life: the raster with its page settings,
// the fonts, the text renderer with its canvas and extents, and the barcode
// engine.
class PageRenderer {
public:
    // The page starts at the printer type's full paper width and the
    // raster's full height, white.
    explicit PageRenderer(int printerType);
    virtual ~PageRenderer();
    PageRenderer(const PageRenderer&) = delete;
    PageRenderer& operator=(const PageRenderer&) = delete;

    // Clears the page and draws every object in list order, later ones over
    // earlier ones. Barcode objects may get their check digit written back.
    void RenderPage(ObjectList& list);
    void Clear();

    PageRaster& raster() { return *raster_; }
    const PageRaster& raster() const { return *raster_; }
    const FontTable& fonts() const { return fonts_; }
    TextRenderer& text() { return text_; }
    BarcodeEngine& barcodes() { return barcodes_; }

private:
    std::unique_ptr<PageRaster> raster_;
    FontTable fonts_;
    TextRenderer text_;
    BarcodeEngine barcodes_;
};

} // namespace quillset
