#include "document/PageRenderer.h"

#include "barcode/HumanReadable.h"
#include "document/FontTextObject.h"
#include "font/FontEngine.h"
#include "model/ObjectList.h"
#include "picture/DrawPicture.h"
#include "raster/PageRaster.h"
#include "symbol/SymbolDrawing.h"
#include "symbol/SymbolEncoder.h"

namespace quillset {
namespace {

std::int16_t to16(std::int32_t value) {
    return static_cast<std::int16_t>(value);
}

} // namespace

PageRenderer::PageRenderer(int printerType)
    : raster_(std::make_unique<PageRaster>())
    , text_(fonts_) {
    raster_->settings.reset(printerType);
    raster_->Clear();
}

PageRenderer::~PageRenderer() = default;

void PageRenderer::Clear() {
    raster_->Clear();
}

void PageRenderer::RenderPage(ObjectList& list) {
    PageRaster& page = *raster_;
    page.Clear();
    for (int i = 0; i < list.count; ++i) {
        PageObject& o = list[i];
        switch (o.kind) {
        case ObjectKind::Rectangle:
            DrawBox(page, to16(o.left), to16(o.top), to16(o.right), to16(o.bottom), to16(o.colour),
                    to16(o.border));
            break;
        case ObjectKind::Text:
            text_.DrawTextBlock(page, to16(o.x), to16(o.y), to16(o.colour), to16(o.angle),
                                o.styled);
            break;
        case ObjectKind::Barcode: {
            barcodes_.Draw(page, o.barcodeX, o.barcodeY, o.angle, o.humanReadable, o.barcodeType,
                           o.barcodeHeight, o.literal);
            if (o.humanReadable != 0 && o.angle >= 0 && o.angle <= 3) {
                const StyledText line = humanReadableLine(o.barcodeType, o.styled);
                const int n = static_cast<int>(line.length());
                const TextOrigin at = humanReadableOrigin(o.barcodeX, o.barcodeY, o.angle,
                                                          o.barcodeType, o.barcodeHeight, n);
                text_.DrawTextBlock(page, at.x, at.y, to16(o.colour), o.angle, line);
            }
            break;
        }
        case ObjectKind::Symbol: {
            const EncodedSymbol encoded =
                encodeSymbol(o.symbology, o.symbolModule, o.symbolOption, o.literal.view());
            if (encoded.image)
                drawSymbol(page, o.x, o.y, o.angle, *encoded.image);
            break;
        }
        case ObjectKind::Picture:
            DrawPicture(page, o.left, o.top, *o.picture);
            break;
        case ObjectKind::FontText:
            FontEngine::shared().draw(page, {o.x, o.y, o.colour, o.angle}, *fontTextLayout(o));
            break;
        default:
            break;
        }
    }
}

} // namespace quillset
