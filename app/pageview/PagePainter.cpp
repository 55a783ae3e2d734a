#include "app/pageview/PagePainter.h"

#include "editor/ViewMapping.h"
#include "model/PageSettings.h"

#include <QPainter>

#include <algorithm>

namespace quillset {

namespace {

// The logical pixel that shows paper dot `dot` at `zoom` percent.
int pixelOf(int dot, int zoom) {
    const long long scaled = static_cast<long long>(dot) * zoom;
    return static_cast<int>(scaled >= 0 ? scaled / 100 : -((-scaled + 99) / 100));
}

} // namespace

PagePainter::PagePainter(const QImage& picture, const PageSettings& page, bool grid,
                         const QImage* shrunk)
    : picture_(picture)
    , page_(page)
    , grid_(grid)
    , shrunk_(shrunk) {}

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
    if (view.zoom < 100 && shrunk_ && !shrunk_->isNull()) {
        paintShrunk(painter, view, client);
        return;
    }
    const Point first = view.toPage({client.left(), client.top()}) + view.margins;
    // Below 100 % the last pixel shows several dots.
    const Point last =
        view.toPage({client.right() + 1, client.bottom() + 1}) - Point{1, 1} + view.margins;
    painter.save();
    painter.translate(-view.scroll.x, -view.scroll.y);
    painter.scale(view.zoom / 100.0, view.zoom / 100.0);
    paint(painter, QRect(QPoint(first.x, first.y), QPoint(last.x, last.y)));
    painter.restore();
}

// In logical pixels, nothing scaled: the shrunk picture is copied pixel for
// pixel, and the frame and the grid lie on the pixels that show their dots.
void PagePainter::paintShrunk(QPainter& painter, const ViewMapping& view,
                              const QRect& client) const {
    const int zoom = view.zoom;
    const int left = page_.leftMargin;
    const int top = page_.topMargin;
    const int width = page_.pageWidth;
    const int height = page_.pageHeight;
    const QRect area = client.translated(view.scroll.x, view.scroll.y);
    painter.save();
    painter.translate(-view.scroll.x, -view.scroll.y);

    const int pageRight = pixelOf(left + width, zoom);
    const int pageBottom = pixelOf(top + height, zoom);
    painter.fillRect(area & QRect(QPoint(0, 0), QPoint(pageRight, pageBottom)), Qt::white);
    const QRect picture(shrunk_->offset(), shrunk_->size());
    const QRect shown = area & picture;
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), *shrunk_, shown.translated(-picture.topLeft()));

    const QColor black(Qt::black);
    const int frameLeft = pixelOf(left - 1, zoom);
    const int frameTop = pixelOf(top - 1, zoom);
    painter.fillRect(QRect(QPoint(frameLeft, frameTop), QPoint(pageRight, frameTop)), black);
    painter.fillRect(QRect(QPoint(frameLeft, pageBottom), QPoint(pageRight, pageBottom)), black);
    painter.fillRect(QRect(QPoint(frameLeft, frameTop), QPoint(frameLeft, pageBottom)), black);
    painter.fillRect(QRect(QPoint(pageRight, frameTop), QPoint(pageRight, pageBottom)), black);

    if (grid_) {
        // The grid's dots in the area, found from its pixels.
        const Point first = view.toPage({client.left(), client.top()});
        const Point last = view.toPage({client.right() + 1, client.bottom() + 1});
        const auto firstStep = [](int from) {
            return (std::max(from, 0) + kGridStep - 1) / kGridStep * kGridStep;
        };
        for (int y = firstStep(first.y); y <= std::min(last.y, height - 1); y += kGridStep)
            for (int x = firstStep(first.x); x <= std::min(last.x, width - 1); x += kGridStep)
                painter.fillRect(QRect(pixelOf(left + x, zoom), pixelOf(top + y, zoom), 1, 1),
                                 kGridColour);
    }
    painter.restore();
}

} // namespace quillset
