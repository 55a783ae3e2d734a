#include "app/pageview/ShrunkPicture.h"

#include "editor/ShrinkDots.h"

namespace quillset {

QImage shrunkPicture(const QImage& picture, QPoint origin, int zoom) {
    // A page picture's set bits are its black dots, the leftmost in the high bit.
    if (picture.isNull() || picture.format() != QImage::Format_Mono)
        return {};
    const GreyPixels grey =
        shrinkDots({picture.constBits(), picture.bytesPerLine(), picture.width(), picture.height()},
                   {origin.x(), origin.y()}, zoom);
    QImage shrunk(grey.width, grey.height, QImage::Format_RGB32);
    if (shrunk.isNull())
        return shrunk;
    for (int y = 0; y < grey.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(shrunk.scanLine(y));
        for (int x = 0; x < grey.width; ++x) {
            const int level = grey.at(x, y);
            row[x] = qRgb(level, level, level);
        }
    }
    shrunk.setOffset(QPoint(grey.left, grey.top));
    return shrunk;
}

const QImage& ShrunkPicture::of(const QImage& picture, QPoint origin, int zoom) {
    if (picture.cacheKey() != pictureKey_ || origin != origin_ || zoom != zoom_) {
        pictureKey_ = picture.cacheKey();
        origin_ = origin;
        zoom_ = zoom;
        shrunk_ = shrunkPicture(picture, origin, zoom);
    }
    return shrunk_;
}

} // namespace quillset
