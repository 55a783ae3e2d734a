#include "app/CFolioView.h"

#include "app/CFolioDoc.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <cstring>

namespace quillset {

namespace {

// Dots set in the raster are black, clear dots white; bit 0x80 of a byte is
// its leftmost dot, as in a monochrome image.
QImage pictureOf(const PageRaster& raster) {
    const PageSettings& page = raster.settings;
    QImage image(std::max<int>(page.pageWidth, 0), std::max<int>(page.pageHeight, 0),
                 QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    const auto rowBytes = static_cast<std::size_t>(std::max<int>(page.rowBytes, 0));
    const auto copied =
        std::min<std::size_t>(rowBytes, static_cast<std::size_t>(image.bytesPerLine()));
    const int rows = std::min(image.height(), raster.usableRows());
    for (int y = 0; y < rows; ++y)
        std::memcpy(image.scanLine(y), raster.bits.data() + static_cast<std::size_t>(y) * rowBytes,
                    copied);
    return image;
}

} // namespace

CFolioView::CFolioView(CFolioDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document_(document) {
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(paper);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    pageChanged();
}

void CFolioView::setGridOn(bool on) {
    gridOn_ = on;
    viewport()->repaint();
}

void CFolioView::pageChanged() {
    pageImage_ = pictureOf(document_.session().raster());
    viewport()->update();
}

void CFolioView::OnDraw(QPainter& painter, const QRect& area) const {
    const PageSettings& page = document_.session().settings();
    const int left = page.leftMargin;
    const int top = page.topMargin;
    const int width = page.pageWidth;
    const int height = page.pageHeight;

    // The frame lies one dot outside the page on every side.
    const QColor black(Qt::black);
    painter.fillRect(QRect(left - 1, top - 1, width + 2, 1), black);
    painter.fillRect(QRect(left - 1, top + height, width + 2, 1), black);
    painter.fillRect(QRect(left - 1, top - 1, 1, height + 2), black);
    painter.fillRect(QRect(left + width, top - 1, 1, height + 2), black);

    const QRect pageRect(left, top, width, height);
    const QRect shown = area & pageRect;
    if (shown.isEmpty() || pageImage_.isNull())
        return;
    painter.drawImage(shown, pageImage_, shown.translated(-left, -top));

    if (!gridOn_)
        return;
    const auto firstStep = [](int from) {
        return (std::max(from, 0) + kGridStep - 1) / kGridStep * kGridStep;
    };
    const QRect onPage = shown.translated(-left, -top);
    for (int y = firstStep(onPage.top()); y <= onPage.bottom(); y += kGridStep)
        for (int x = firstStep(onPage.left()); x <= onPage.right(); x += kGridStep)
            painter.fillRect(QRect(left + x, top + y, 1, 1), kGridColour);
}

void CFolioView::printPage(QPrinter& printer) const {
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    const double scale = printer.resolution() / kDotsPerInch;
    painter.scale(scale, scale);
    OnDraw(painter, QRect(0, 0, kScrollWidth, kScrollHeight));
}

void CFolioView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint offset = scrollOffset();
    painter.translate(-offset);
    OnDraw(painter, event->rect().translated(offset));
}

void CFolioView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CFolioView::updateScrollBars() {
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, kScrollWidth - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, kScrollHeight - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, view.height() / 10));
}

QPoint CFolioView::scrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

} // namespace quillset
