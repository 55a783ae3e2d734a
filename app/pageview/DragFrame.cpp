#include "app/pageview/DragFrame.h"

#include "editor/PageEditor.h"

#include <QBrush>
#include <QImage>
#include <QPainter>

namespace quillset {

namespace {

QRect outline(const Rect& frame) {
    return QRect(QPoint(frame.left, frame.top), QPoint(frame.right, frame.bottom));
}

// Every other pixel white: XOR with white inverts, with black keeps.
QBrush halftone() {
    QImage pattern(2, 2, QImage::Format_RGB32);
    pattern.fill(Qt::black);
    pattern.setPixel(0, 0, qRgb(255, 255, 255));
    pattern.setPixel(1, 1, qRgb(255, 255, 255));
    return QBrush(pattern);
}

} // namespace

QRegion dragFrameRegion(const Rect& frame) {
    const QRect outer = outline(frame);
    const int band = PageEditor::kFrameThickness;
    const QRect inner = outer.adjusted(band, band, -band, -band);
    QRegion region(outer);
    if (inner.isValid())
        region -= QRegion(inner);
    return region;
}

void paintDragFrame(QPainter& painter, const Rect& frame) {
    static const QBrush dots = halftone();
    painter.save();
    painter.setClipRegion(dragFrameRegion(frame), Qt::IntersectClip);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(outline(frame), dots);
    painter.restore();
}

} // namespace quillset
