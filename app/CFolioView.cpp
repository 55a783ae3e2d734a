#include "app/CFolioView.h"

#include "app/CFolioDoc.h"
#include "app/DragFrame.h"
#include "app/MessageBoxReporter.h"
#include "app/ObjectMenu.h"
#include "app/ObjectProperties.h"
#include "app/PagePicture.h"
#include "document/PageRenderer.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace quillset {

namespace {

Point clientPoint(const QPoint& position) {
    return Point{position.x(), position.y()};
}

} // namespace

CFolioView::CFolioView(CFolioDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document_(document)
    , editor_(document.session().objects(), document.session().renderer().text()) {
    setAccessibleName(QStringLiteral("Page"));
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(paper);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    pageChanged();
}

void CFolioView::setGridOn(bool on) {
    if (on != editor_.gridOn())
        editor_.toggleGrid();
    viewport()->repaint();
}

// --- tools --------------------------------------------------------------------

void CFolioView::chooseTool(Tool tool) {
    if (editor_.chooseTool(tool))
        document_.markModified();
    if (editor_.tools().isOn(tool))
        setUpTool(tool);
    emit toolsChanged();
}

void CFolioView::setUpTool(Tool tool) {
    std::optional<PageObject> prepared;
    if (tool == Tool::Text)
        prepared = setUp_.text(document_.session().renderer().text(), this);
    else if (tool == Tool::Barcode)
        prepared = setUp_.barcode(this);
    else
        return;
    if (!prepared) {
        editor_.cancelSetUp();
        return;
    }
    if (tool == Tool::Text)
        editor_.acceptTextSetUp(*prepared);
    else
        editor_.acceptBarcodeSetUp(*prepared);
    document_.markModified();
}

void CFolioView::clearTools() {
    editor_.clearTools();
    emit toolsChanged();
}

// --- the document -----------------------------------------------------------------

void CFolioView::pageChanged() {
    pageImage_ = pagePicture(document_.session().raster());
    updateScrollBars();
    viewport()->update();
}

void CFolioView::listReplaced() {
    editor_.listReplaced();
    if (!keepTools_)
        editor_.clearTools();
    emit toolsChanged();
}

// Typed script text becomes the page before an edit works on the list, so
// that the edit and the script the pane then shows include it.
void CFolioView::bringScriptUpToDate() {
    const QScopedValueRollback keep(keepTools_, true);
    emit editStarting();
}

// --- mouse and keys ---------------------------------------------------------------

void CFolioView::mousePressEvent(QMouseEvent* event) {
    const Point client = clientPoint(event->position().toPoint());
    const ViewMapping view = mapping();
    if (event->button() != Qt::LeftButton)
        return;
    if (editor_.tools().active() && !editor_.dragging())
        bringScriptUpToDate();
    apply(editor_.press(client, view));
}

void CFolioView::mouseMoveEvent(QMouseEvent* event) {
    const Point client = clientPoint(event->position().toPoint());
    const ViewMapping view = mapping();
    const Point page = view.toPage(client);
    emit pointerAt(QPoint(page.x, page.y));
    apply(editor_.pointerMoved(client, view));
}

// Qt keeps sending the pointer to the view from the press to the release,
// also outside it, so the drag ends where its frame was last.
void CFolioView::mouseReleaseEvent(QMouseEvent* event) {
    const Point client = clientPoint(event->position().toPoint());
    const ViewMapping view = mapping();
    if (event->button() == Qt::LeftButton)
        apply(editor_.release(client, view));
}

// A double click is not a second press.
void CFolioView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CFolioView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!editor_.dragging())
            break;
        apply(editor_.cancelDrag());
        return;
    case Qt::Key_F15:
        clearTools();
        return;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CFolioView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave)
        emit pointerLeft();
    return QAbstractScrollArea::viewportEvent(event);
}

void CFolioView::apply(const EditResult& result) {
    if (result.markModified)
        document_.markModified();
    updateFrame(result.oldFrame);
    updateFrame(result.newFrame);
    switch (result.outcome) {
    case EditOutcome::Nothing:
    case EditOutcome::FrameMoved:
        return;
    case EditOutcome::EditFinished:
        document_.editFinished();
        break;
    case EditOutcome::Refused:
        emit statusMessage(QString::fromUtf8(result.message.data(),
                                             static_cast<qsizetype>(result.message.size())));
        break;
    }
    emit toolsChanged();
}

void CFolioView::updateFrame(const std::optional<Rect>& frame) {
    if (frame)
        viewport()->update(dragFrameRegion(*frame));
}

// --- context menu ---------------------------------------------------------------

// The position comes from the global one: a menu asked for from the keyboard
// reports it in the view's own coordinates, a click in the viewport's.
void CFolioView::contextMenuEvent(QContextMenuEvent* event) {
    const Point client = clientPoint(viewport()->mapFromGlobal(event->globalPos()));
    const ViewMapping view = mapping();
    // The menu's commands would reorder the list under a running drag.
    if (editor_.dragging())
        return;
    bringScriptUpToDate();
    if (!editor_.contextMenuAt(client, view))
        return;
    const std::optional<ObjectMenuCommand> command = execObjectMenu(event->globalPos(), this);
    if (!command)
        return;
    if (const auto* order = std::get_if<ZOrderCommand>(&*command))
        zOrder(*order);
    else
        properties();
}

void CFolioView::zOrder(ZOrderCommand command) {
    const EditResult result = editor_.zOrder(command);
    if (result.outcome == EditOutcome::Refused)
        MessageBoxReporter(this).report(std::string(result.message));
    else if (result.outcome == EditOutcome::EditFinished)
        document_.editFinished();
    emit toolsChanged();
}

void CFolioView::properties() {
    ObjectList& list = document_.session().objects();
    const int index = editor_.menuObject();
    if (index < 0 || index >= list.count)
        return;
    if (!editObjectProperties(list[index], document_.session().renderer().text(), this))
        return;
    document_.markModified();
    document_.editFinished();
    clearTools();
}

// --- painting ---------------------------------------------------------------------

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

    if (!gridOn())
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
    const QSize paper = paperSize();
    OnDraw(painter, QRect(0, 0, paper.width(), paper.height()));
}

// The drag frame lies over the page in the window's own coordinates.
void CFolioView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint offset = scrollOffset();
    painter.translate(-offset);
    OnDraw(painter, event->rect().translated(offset));
    painter.resetTransform();
    if (const std::optional<Rect>& frame = editor_.frame())
        paintDragFrame(painter, *frame);
}

void CFolioView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

QSize CFolioView::paperSize() const {
    const PageSettings& page = document_.session().settings();
    return {std::max(kScrollWidth, page.leftMargin + page.pageWidth + 2),
            std::max(kScrollHeight, page.topMargin + page.pageHeight + 2)};
}

void CFolioView::updateScrollBars() {
    const QSize view = viewport()->size();
    const QSize paper = paperSize();
    horizontalScrollBar()->setRange(0, std::max(0, paper.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, paper.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, view.height() / 10));
}

QPoint CFolioView::scrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

ViewMapping CFolioView::mapping() const {
    const QPoint scroll = scrollOffset();
    return ViewMapping::of(Point{scroll.x(), scroll.y()}, document_.session().settings());
}

} // namespace quillset
