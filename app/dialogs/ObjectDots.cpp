#include "app/dialogs/ObjectDots.h"

#include "app/pageview/PagePicture.h"
#include "document/PageRenderer.h"
#include "model/Limits.h"
#include "model/ObjectList.h"
#include "model/PrinterType.h"

#include <QRect>

#include <memory>

namespace quillset {

namespace {

// Room before the object's box for what it draws outside it (a barcode's
// human-readable line in front of turned bars).
constexpr int kRoom = 64;

// The box of the set dots, empty when none is set.
QRect inkBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (qGray(row[x]) < 128)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

} // namespace

QImage objectDots(const PlaceObject& place) {
    // The renderer loads its fonts once; the dialogs run on one thread.
    static PageRenderer renderer(kDefaultPrinterType);
    PageSettings& page = renderer.raster().settings;
    page.leftMargin = page.topMargin = 0;
    page.pageWidth = static_cast<std::int16_t>(kRasterWidth);
    page.pageHeight = static_cast<std::int16_t>(kRasterHeight);
    page.rowBytes = static_cast<std::int16_t>(kRasterRowBytes);

    auto list = std::make_unique<ObjectList>();
    PageObject object;
    place(object, 0, 0);
    place(object, kRoom - object.left, kRoom - object.top);
    list->append(object);
    renderer.RenderPage(*list);
    const QImage picture =
        pagePicture(renderer.raster()).convertToFormat(QImage::Format_RGB32);
    const QRect ink = inkBox(picture);
    // Light modules at a symbol's edge are part of it.
    const QRect bounds =
        QRect(QPoint(object.left, object.top), QPoint(object.right, object.bottom)).normalized();
    return ink.isEmpty() ? QImage() : picture.copy(ink | bounds);
}

} // namespace quillset
