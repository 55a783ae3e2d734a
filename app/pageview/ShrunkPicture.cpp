#include "app/pageview/ShrunkPicture.h"

#include "editor/ShrinkDots.h"

namespace quillset {

const QImage& ShrunkPicture::of(const QImage& picture, QPoint origin, int zoom) {
    if (picture.cacheKey() == pictureKey_ && origin == origin_ && zoom == zoom_)
        return shrunk_;
    pictureKey_ = picture.cacheKey();
    origin_ = origin;
    zoom_ = zoom;
    shrunk_ = QImage();
    // A page picture's set bits are its black dots, the leftmost in the high bit.
    if (picture.isNull() || picture.format() != QImage::Format_Mono)
        return shrunk_;
    const GreyPixels grey =
        shrinkDots({picture.constBits(), picture.bytesPerLine(), picture.width(), picture.height()},
                   {origin.x(), origin.y()}, zoom);
    QImage shrunk(grey.width, grey.height, QImage::Format_RGB32);
    if (shrunk.isNull())
        return shrunk_;
    for (int y = 0; y < grey.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(shrunk.scanLine(y));
        for (int x = 0; x < grey.width; ++x) {
            const int level = grey.at(x, y);
            row[x] = qRgb(level, level, level);
        }
    }
    shrunk.setOffset(QPoint(grey.left, grey.top));
    shrunk_ = std::move(shrunk);
    return shrunk_;
}

} // namespace quillset
