#include "app/pageview/PagePainter.h"

#include "editor/ViewMapping.h"
#include "model/PageSettings.h"

#include <QPainter>

#include <algorithm>

namespace quillset {

PagePainter::PagePainter(const QImage& picture, const PageSettings& page, bool grid)
    : picture_(picture)
    , page_(page)
    , grid_(grid) {}

void PagePainter::paint(QPainter& painter, const QRect& area) const {
    const int left = page_.leftMargin;
    const int top = page_.topMargin;
    const int width = page_.pageWidth;
    const int height = page_.pageHeight;

    // The margins are paper too; the page picture covers the rest.
    const QColor white(Qt::white);
    painter.fillRect(area & QRect(0, 0, left + width, top), white);
    painter.fillRect(area & QRect(0, top, left, height), white);

    const QColor black(Qt::black);
    painter.fillRect(QRect(left - 1, top - 1, width + 2, 1), black);
    painter.fillRect(QRect(left - 1, top + height, width + 2, 1), black);
    painter.fillRect(QRect(left - 1, top - 1, 1, height + 2), black);
    painter.fillRect(QRect(left + width, top - 1, 1, height + 2), black);

    const QRect shown = area & QRect(left, top, width, height);
    if (shown.isEmpty() || picture_.isNull())
        return;
    // Only the part shown becomes a picture the painter can scale: a whole
    // page converted at every paint would cost more than the render.
    painter.drawImage(
        shown, picture_.copy(shown.translated(-left, -top)).convertToFormat(QImage::Format_RGB32));

    if (!grid_)
        return;
    const auto firstStep = [](int from) {
        return (std::max(from, 0) + kGridStep - 1) / kGridStep * kGridStep;
    };
    const QRect onPage = shown.translated(-left, -top);
    for (int y = firstStep(onPage.top()); y <= onPage.bottom(); y += kGridStep)
        for (int x = firstStep(onPage.left()); x <= onPage.right(); x += kGridStep)
            painter.fillRect(QRect(left + x, top + y, 1, 1), kGridColour);
}

void PagePainter::paint(QPainter& painter, const ViewMapping& view, const QRect& client) const {
    const Point first = view.toPage({client.left(), client.top()}) + view.margins;
    // Below 100 % the last pixel shows several dots.
    const Point last =
        view.toPage({client.right() + 1, client.bottom() + 1}) - Point{1, 1} + view.margins;
    painter.save();
    painter.translate(-view.scroll.x, -view.scroll.y);
    painter.scale(view.zoom / 100.0, view.zoom / 100.0);
    // Shrunk, the dots are averaged, so that a line one dot wide still shows.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, view.zoom < 100);
    paint(painter, QRect(QPoint(first.x, first.y), QPoint(last.x, last.y)));
    painter.restore();
}

} // namespace quillset
