#include "app/pageview/CFolioView.h"

#include "app/dialogs/MessageBoxReporter.h"
#include "app/pageview/DragFrame.h"
#include "app/pageview/ObjectMenu.h"
#include "app/pageview/ObjectProperties.h"
#include "app/pageview/PagePicture.h"
#include "document/PageRenderer.h"
#include "editor/Clash.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quillset {

namespace {

// A wheel's notch.
constexpr int kWheelStep = 120;

constexpr int kZoomSteps[] = {25, 33, 50, 67, 100, 200, 300, 400, 500, 600, 700, 800};

// The zoom `steps` steps on from `zoom`, which need not be a step itself.
int steppedZoom(int zoom, int steps) {
    const auto* const begin = std::begin(kZoomSteps);
    const auto* const end = std::end(kZoomSteps);
    std::ptrdiff_t at = steps > 0 ? std::upper_bound(begin, end, zoom) - begin - 1 + steps
                                  : std::lower_bound(begin, end, zoom) - begin + steps;
    at = std::clamp<std::ptrdiff_t>(at, 0, end - begin - 1);
    return kZoomSteps[at];
}

// Pixels that show `dots` at `zoom` percent.
int pixelsOf(int dots, int zoom) {
    return static_cast<int>((static_cast<long long>(dots) * zoom + 99) / 100);
}
// How near the edge a drag starts to scroll, and how fast it goes.
constexpr int kAutoScrollZone = 16;
constexpr int kAutoScrollMaxStep = 64;
constexpr int kAutoScrollInterval = 30; // milliseconds

// Placement by the keyboard: how far in from the page's corner the frame
// first stands, and how far an arrow key moves it (Ctrl: one pixel).
constexpr int kKeyPlacementInset = 8;
constexpr int kKeyPlacementStep = 8;

// The move an arrow key asks for; none for any other key.
std::optional<QPoint> arrowMove(int key, int step) {
    switch (key) {
    case Qt::Key_Left:
        return QPoint(-step, 0);
    case Qt::Key_Right:
        return QPoint(step, 0);
    case Qt::Key_Up:
        return QPoint(0, -step);
    case Qt::Key_Down:
        return QPoint(0, step);
    default:
        return std::nullopt;
    }
}

Point clientPoint(const QPoint& position) {
    return Point{position.x(), position.y()};
}

// Pixels to scroll along one axis for a pointer at `at` in a view `length`
// pixels long: none away from the edges, more the further the pointer has
// gone past them.
int autoScrollStep(int at, int length) {
    const int before = kAutoScrollZone - at;
    const int after = at - (length - 1 - kAutoScrollZone);
    if (before > 0)
        return -std::min(kAutoScrollMaxStep, 1 + before / 2);
    if (after > 0)
        return std::min(kAutoScrollMaxStep, 1 + after / 2);
    return 0;
}

} // namespace

CFolioView::CFolioView(CFolioDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document_(document)
    , editor_(document.session()) {
    setAccessibleName(QStringLiteral("Page"));
    QPalette beyond = viewport()->palette();
    beyond.setColor(QPalette::Base, kBeyondPaper);
    viewport()->setPalette(beyond);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    autoScrollTimer_.setInterval(kAutoScrollInterval);
    connect(&autoScrollTimer_, &QTimer::timeout, this, &CFolioView::autoScroll);
    connect(&document_, &CFolioDoc::changed, this, &CFolioView::documentChanged);
    pageChanged();
    showTopOfPage();
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
    endPlacingPrompt();
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
    else if (tool == Tool::Symbol)
        prepared = setUp_.symbol(this);
    else if (tool == Tool::Picture)
        prepared = setUp_.picture(this);
    else
        return;
    if (!prepared) {
        editor_.cancelSetUp();
        return;
    }
    if (tool == Tool::Text)
        editor_.acceptTextSetUp(*prepared);
    else if (tool == Tool::Barcode)
        editor_.acceptBarcodeSetUp(*prepared);
    else if (tool == Tool::Picture)
        editor_.acceptPictureSetUp(*prepared);
    else
        editor_.acceptSymbolSetUp(*prepared);
    document_.markModified();
    if (!editor_.tools().isOn(tool))
        return;
    placingPrompt_ = true;
    setFocus(Qt::OtherFocusReason);
    const QString what = tool == Tool::Text      ? QStringLiteral("text")
                         : tool == Tool::Barcode ? QStringLiteral("barcode")
                         : tool == Tool::Picture ? QStringLiteral("picture")
                                                 : QStringLiteral("symbol");
    emit statusMessage(
        QStringLiteral("Click on the page to place the %1, or press Enter, move it with the "
                       "arrow keys and press Enter")
            .arg(what));
}

bool CFolioView::placingToolOn() const {
    const ToolSet& tools = editor_.tools();
    return tools.isOn(Tool::Text) || tools.isOn(Tool::Barcode) || tools.isOn(Tool::Symbol) ||
           tools.isOn(Tool::Picture);
}

// The prompt stands while Text, Barcode, Symbol or Picture waits for its
// click.
void CFolioView::endPlacingPrompt() {
    if (!placingPrompt_ || placingToolOn())
        return;
    placingPrompt_ = false;
    emit statusMessage(QString());
}

void CFolioView::clearTools() {
    editor_.clearTools();
    endPlacingPrompt();
    emit toolsChanged();
}

// --- the document -----------------------------------------------------------------

void CFolioView::setShownPage(const PageRaster* page) {
    shownPage_ = page;
    pageChanged();
}

void CFolioView::pageChanged() {
    pageImage_ = pagePicture(shownPage_ ? *shownPage_ : document_.session().raster());
    updateScrollBars();
    viewport()->update();
}

void CFolioView::documentChanged(CFolioDoc::Changes what) {
    if (what & CFolioDoc::Change::List) {
        autoScrollTimer_.stop();
        editor_.listReplaced();
    }
    if (what & CFolioDoc::Change::Page)
        pageChanged();
    if (what & CFolioDoc::Change::Opened) {
        clearTools();
        showTopOfPage();
    }
}

// Typed script text becomes the page before an edit works on the list, so
// that the edit and the script the pane then shows include it.
void CFolioView::bringScriptUpToDate() {
    document_.upToDate();
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
    pointer_ = event->position().toPoint();
    pointerInside_ = true;
    // A placement begun with Enter follows the mouse too.
    if (keyPoint_)
        keyPoint_ = pointer_;
    followPointer();
    if (editor_.dragging() && !autoScrollTimer_.isActive())
        autoScrollTimer_.start();
}

void CFolioView::followPointer() {
    const Point client = clientPoint(pointer_);
    const ViewMapping view = mapping();
    const Point page = view.toPage(client);
    emit pointerAt(QPoint(page.x, page.y));
    pointProblem(page);
    apply(editor_.pointerMoved(client, view));
}

void CFolioView::setProblemOutlines(std::vector<ProblemOutline> outlines) {
    outlines_ = std::move(outlines);
    // The reason of a frame that is gone goes with it.
    if (pointedOutline_ >= 0)
        emit statusMessage(QString());
    pointedOutline_ = -1;
    viewport()->update();
}

void CFolioView::pointProblem(Point page) {
    int at = -1;
    for (std::size_t i = 0; i < outlines_.size() && at < 0; ++i) {
        const Rect& box = outlines_[i].box;
        if (page.x >= box.left && page.x <= box.right && page.y >= box.top && page.y <= box.bottom)
            at = static_cast<int>(i);
    }
    if (at == pointedOutline_)
        return;
    // Leaving a frame takes its reason away; other messages stay.
    if (at >= 0 || pointedOutline_ >= 0)
        emit statusMessage(at >= 0 ? outlines_[static_cast<std::size_t>(at)].reason : QString());
    pointedOutline_ = at;
}

void CFolioView::paintProblems(QPainter& painter, const ViewMapping& view) const {
    if (outlines_.empty())
        return;
    painter.save();
    painter.setPen(QPen(kProblemColour, kProblemPen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    constexpr int out = kProblemGap + kProblemPen / 2;
    for (const ProblemOutline& outline : outlines_) {
        const Rect c = view.toClient(outline.box);
        painter.drawRect(
            QRect(QPoint(c.left - out, c.top - out), QPoint(c.right + out, c.bottom + out)));
    }
    painter.restore();
}

void CFolioView::autoScroll() {
    const QSize size = viewport()->size();
    const QPoint step(autoScrollStep(pointer_.x(), size.width()),
                      autoScrollStep(pointer_.y(), size.height()));
    if (!editor_.dragging() || step.isNull()) {
        autoScrollTimer_.stop();
        return;
    }
    const QPoint before = scrollOffset();
    scrollTo(before + step);
    if (scrollOffset() != before)
        followPointer();
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

// Ctrl with the wheel zooms around the pointer, a step a notch; the wheel
// alone scrolls.
void CFolioView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    wheelTurn_ += event->angleDelta().y();
    const int steps = wheelTurn_ / kWheelStep;
    wheelTurn_ -= steps * kWheelStep;
    if (steps != 0)
        setZoom(steppedZoom(zoom_, steps), event->position().toPoint());
}

void CFolioView::keyPressEvent(QKeyEvent* event) {
    if (placeByKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Escape:
        // The first Escape ends a drag, the next one (or the only one) a
        // placing tool still waiting for its click.
        if (editor_.dragging()) {
            keyPoint_.reset();
            apply(editor_.cancelDrag());
            return;
        }
        if (!placingToolOn())
            break;
        clearTools();
        return;
    case Qt::Key_F15:
        clearTools();
        return;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CFolioView::placeByKey(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (keyPoint_ && !editor_.dragging())
        keyPoint_.reset();
    if (enter && !keyPoint_) {
        if (!placingToolOn() || editor_.dragging())
            return false;
        const Rect page = mapping().toClient(Rect{});
        const QPoint nearCorner(std::max(page.left, 0) + kKeyPlacementInset,
                                std::max(page.top, 0) + kKeyPlacementInset);
        keyPoint_ = pointerInside_ ? pointer_ : nearCorner;
        bringScriptUpToDate();
        apply(editor_.press(clientPoint(*keyPoint_), mapping()));
        if (!editor_.dragging())
            keyPoint_.reset();
        return true;
    }
    if (!keyPoint_)
        return false;
    if (enter) {
        const QPoint at = *keyPoint_;
        keyPoint_.reset();
        apply(editor_.release(clientPoint(at), mapping()));
        return true;
    }
    const int step = event->modifiers() & Qt::ControlModifier ? 1 : kKeyPlacementStep;
    const std::optional<QPoint> move = arrowMove(event->key(), step);
    if (!move)
        return false;
    *keyPoint_ += *move;
    apply(editor_.pointerMoved(clientPoint(*keyPoint_), mapping()));
    return true;
}

bool CFolioView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        pointerInside_ = false;
        emit pointerLeft();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CFolioView::apply(const EditResult& result) {
    // A finished edit marks the document itself.
    if (result.markModified && result.outcome != EditOutcome::EditFinished)
        document_.markModified();
    updateFrame(result.oldFrame);
    updateFrame(result.newFrame);
    if (result.outcome == EditOutcome::Nothing || result.outcome == EditOutcome::FrameMoved)
        return;
    endPlacingPrompt();
    if (result.outcome == EditOutcome::EditFinished)
        finishEdit(editor_.tools().isOn(Tool::Erase) ? -1 : editor_.dragObject());
    else
        emit statusMessage(QString::fromUtf8(result.message.data(),
                                             static_cast<qsizetype>(result.message.size())));
    emit toolsChanged();
}

void CFolioView::updateFrame(const std::optional<Rect>& frame) {
    if (frame)
        viewport()->update(dragFrameRegion(mapping().toClient(*frame)));
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
    const QString folder = QFileInfo(document_.pathName()).absolutePath();
    if (!editObjectProperties(list[index], document_.session().renderer().text(), folder, this))
        return;
    clearTools();
    finishEdit(index);
}

// The note is taken from the list as the edit left it: finishing the edit
// may build the list again.
void CFolioView::finishEdit(int edited) {
    const std::optional<std::string> clash =
        clashNote(document_.session().objects(), edited, document_.session().settings());
    document_.editFinished();
    if (clash)
        emit statusMessage(QString::fromStdString(*clash));
}

// --- painting ---------------------------------------------------------------------

void CFolioView::OnDraw(QPainter& painter, const QRect& area) const {
    PagePainter(pageImage_, document_.session().settings(), gridOn()).paint(painter, area);
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

// The drag frame lies over the page in the window's own pixels, as thin at
// every zoom.
void CFolioView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const ViewMapping view = mapping();
    const PageSettings& page = document_.session().settings();
    const QImage* shrunk =
        zoom_ < 100 ? &shrunk_.of(pageImage_, QPoint(page.leftMargin, page.topMargin), zoom_)
                    : nullptr;
    PagePainter(pageImage_, page, gridOn(), shrunk).paint(painter, view, event->rect());
    paintProblems(painter, view);
    if (const std::optional<Rect>& frame = editor_.frame())
        paintDragFrame(painter, view.toClient(*frame));
}

void CFolioView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

// --- zoom and scrolling -----------------------------------------------------------

void CFolioView::setZoom(int zoom, QPoint around) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_)
        return;
    // The paper point under `around`, in dots, stays under it.
    const QPoint logical = scrollOffset() + around;
    const double scale = double(zoom) / zoom_;
    zoom_ = zoom;
    updateScrollBars();
    scrollTo(QPoint(int(std::lround(logical.x() * scale)) - around.x(),
                    int(std::lround(logical.y() * scale)) - around.y()));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void CFolioView::setZoom(int zoom) {
    setZoom(zoom, viewport()->rect().center());
}

void CFolioView::zoomIn() {
    setZoom(steppedZoom(zoom_, 1));
}

void CFolioView::zoomOut() {
    setZoom(steppedZoom(zoom_, -1));
}

// The room is the view's as it would be without scroll bars, which the
// fitted paper no longer needs.
void CFolioView::fitPage() {
    const QSize room = maximumViewportSize() - QSize(2 * kGap, 2 * kGap);
    const QSize paper = paperSize();
    setZoom(std::min(room.width() * 100 / paper.width(), room.height() * 100 / paper.height()));
    showTopOfPage();
}

// A paper taller than the view keeps its vertical scroll bar.
void CFolioView::fitWidth() {
    const int room = maximumViewportSize().width() - 2 * kGap;
    const int width = paperSize().width();
    int fitting = room * 100 / width;
    if (pixelsOf(paperSize().height(), fitting) + 2 * kGap > maximumViewportSize().height())
        fitting = (room - verticalScrollBar()->sizeHint().width()) * 100 / width;
    setZoom(fitting);
    showTopOfPage();
}

void CFolioView::showTopOfPage() {
    scrollTo(QPoint(horizontalScrollBar()->minimum(), verticalScrollBar()->minimum()));
}

QSize CFolioView::paperSize() const {
    const PageSettings& page = document_.session().settings();
    return {std::max(page.leftMargin + page.pageWidth + 1, 1),
            std::max(page.topMargin + page.pageHeight + 1, 1)};
}

// The scroll position is the logical pixel at the view's top-left corner; it
// runs from the grey before the paper to the grey after it.
void CFolioView::updateScrollBars() {
    const QSize view = viewport()->size();
    const QSize paper(pixelsOf(paperSize().width(), zoom_), pixelsOf(paperSize().height(), zoom_));
    const auto setUp = [](QScrollBar* bar, int paperLength, int viewLength) {
        bar->setRange(-kGap, std::max(-kGap, paperLength + kGap - viewLength));
        bar->setPageStep(viewLength);
        bar->setSingleStep(std::max(1, viewLength / 10));
    };
    setUp(horizontalScrollBar(), paper.width(), view.width());
    setUp(verticalScrollBar(), paper.height(), view.height());
}

QPoint CFolioView::scrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CFolioView::scrollTo(QPoint offset) {
    horizontalScrollBar()->setValue(offset.x());
    verticalScrollBar()->setValue(offset.y());
}

ViewMapping CFolioView::mapping() const {
    const QPoint scroll = scrollOffset();
    return ViewMapping::of(Point{scroll.x(), scroll.y()}, document_.session().settings(), zoom_);
}

} // namespace quillset
