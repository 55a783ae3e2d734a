#pragma once

#include <QImage>
#include <QPoint>

namespace quillset {

// `picture` as pagePicture() makes it, its first dot at paper dot `origin`,
// shrunk to `zoom` percent by averaging; the result's offset() is the
// logical pixel it starts at.
QImage shrunkPicture(const QImage& picture, QPoint origin, int zoom);

// The page picture as the page view shows it below 100 %: each pixel as grey
// as the share of black dots it covers (shrinkDots). Made once for a picture,
// its place on the paper and the zoom, and kept until one of them changes, so
// that painting and scrolling only copy pixels.
class ShrunkPicture {
public:
    // shrunkPicture(), made again only when an argument changed.
    const QImage& of(const QImage& picture, QPoint origin, int zoom);

private:
    QImage shrunk_;
    qint64 pictureKey_ = 0;
    QPoint origin_;
    int zoom_ = 0;
};

} // namespace quillset
