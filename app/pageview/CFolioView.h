#pragma once

#include "app/pageview/PagePainter.h"
#include "app/pageview/ShrunkPicture.h"
#include "app/pageview/ToolSetUp.h"
#include "app/shell/CFolioDoc.h"
#include "editor/PageEditor.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

#include <optional>
#include <vector>

class QPainter;
class QPrinter;

namespace quillset {

class PageRaster;

// The page view: the page raster as black dots on white paper inside a frame
// one dot wide, on grey beyond the paper, with an optional grid of dots every
// ten dots. The zoom runs from 25 % to 800 %; from 100 % up a dot is a sharp
// square of pixels, below it each pixel is as grey as the share of black dots
// it covers, made once a picture and zoom. The paper's top-left corner is at (0,
// 0), so the page itself starts at its margins. The picture is the raster as the last render left
// it; painting never renders.
//
// It is also the page editor: it turns the mouse, the keys and the context
// menu into calls on its PageEditor, paints the drag frame over the picture,
// and ends every change of the list with the document's editFinished(). A
// drag that reaches the view's edge scrolls the view.
class CFolioView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static inline const QColor kGridColour = PagePainter::kGridColour;
    static inline const QColor kBeyondPaper{160, 160, 160};
    // What the app shows problems in: the record bar's reason, their frames here.
    static inline const QColor kProblemColour{0xb0, 0x00, 0x00};
    // Pixels between an object's dots and its problem frame, and the frame's width.
    static constexpr int kProblemGap = 2;
    static constexpr int kProblemPen = 2;
    // Grey pixels around the paper, so that its edges show at every scroll
    // position.
    static constexpr int kGap = 16;
    static constexpr int kMinZoom = 25;
    static constexpr int kMaxZoom = 800;
    // The label printer's resolution: 8 dots per millimetre.
    static constexpr double kDotsPerInch = 8 * 25.4;

    explicit CFolioView(CFolioDoc& document, QWidget* parent = nullptr);

    const PageEditor& editor() const { return editor_; }

    // The grid also snaps what the tools place.
    bool gridOn() const { return editor_.gridOn(); }
    void setGridOn(bool on);

    // A toolbar tool button: the tool goes on, or off when it was on. Text
    // and Barcode then ask for what they place.
    void chooseTool(Tool tool);
    // No tool: a new or opened document, the script pane took the focus, or
    // Page Setup was confirmed.
    void clearTools();

    // Shows `page` instead of the document's raster (a record's values
    // filled in), or the document's own again for nothing. Editing still
    // works on the document's objects.
    void setShownPage(const PageRaster* page);

    // An object of the shown page that a problem comes from: its box in page
    // dots (the object's bounds) and the reasons, one a line.
    struct ProblemOutline {
        Rect box;
        QString reason;
    };
    // Frames these boxes in kProblemColour, on the screen only: never in the
    // page's dots. While the pointer is over one, the status bar gives its
    // reason.
    void setProblemOutlines(std::vector<ProblemOutline> outlines);
    const std::vector<ProblemOutline>& problemOutlines() const { return outlines_; }

    // In percent: pixels for 100 dots, across and down.
    int zoom() const { return zoom_; }
    // The dot under the client pixel `around` stays where it is.
    void setZoom(int zoom, QPoint around);
    void setZoom(int zoom);
    // To the next of the zoom steps (25, 33, 50, 67, 100, 200, ... 800 %).
    void zoomIn();
    void zoomOut();
    // The largest zoom that shows the whole paper (25 % when even that does
    // not), from its top-left corner.
    void fitPage();
    // The largest zoom that shows the paper's whole width, from its top.
    void fitWidth();
    // Scrolled to the paper's top-left corner: New and Open start there.
    void showTopOfPage();

    // Where the page lies in the view now.
    ViewMapping mapping() const;

    // The paper in dots, up to and with the page's frame: what the scroll
    // range covers, with kGap pixels of grey around it.
    QSize paperSize() const;

    // Draws the frame, the page and the grid, clipped to `area` in paper
    // dots. Serves the screen and the host's printers alike.
    void OnDraw(QPainter& painter, const QRect& area) const;

    // The page picture through the host's printer system, life-size.
    void printPage(QPrinter& printer) const;

signals:
    // The tool set may have changed.
    void toolsChanged();
    // The pointer's position in page dots while it is over the view.
    void pointerAt(QPoint page);
    void pointerLeft();
    // A short note for the status bar.
    void statusMessage(const QString& text);
    void zoomChanged(int zoom);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void updateScrollBars();
    QPoint scrollOffset() const;
    void scrollTo(QPoint offset);
    // The status bar's position and any drag follow the pointer.
    void followPointer();
    // Tells the reason of the problem frame under `page`, once on entering it.
    void pointProblem(Point page);
    void paintProblems(QPainter& painter, const ViewMapping& view) const;
    // During a drag: scrolls toward the pointer while it is at the view's
    // edge or beyond, and lets the drag follow.
    void autoScroll();

    // A built list ends any drag (the tool stays); a new picture is shown;
    // a new or opened document starts with no tool, at its top.
    void documentChanged(CFolioDoc::Changes what);
    // Takes the raster's new picture and repaints.
    void pageChanged();
    void bringScriptUpToDate();
    // Does what an editor call asks of the view: mark, repaint the frame,
    // end the edit or tell why nothing happened.
    void apply(const EditResult& result);
    void updateFrame(const std::optional<Rect>& frame);
    // Ends an edit of the list; when it placed, moved, resized or changed
    // object `edited` (-1 none), says in the status bar what it now
    // overlaps or where it leaves the page.
    void finishEdit(int edited);
    void setUpTool(Tool tool);
    bool placingToolOn() const;
    void endPlacingPrompt();
    // Enter shows the placing tool's frame at the pointer (or near the
    // page's visible top-left corner), the arrow keys move it, a second
    // Enter places the object, Escape takes the frame away (a second Escape
    // the tool).
    bool placeByKey(QKeyEvent* event);
    void zOrder(ZOrderCommand command);
    void properties();

    CFolioDoc& document_;
    const PageRaster* shownPage_ = nullptr;
    PageEditor editor_;
    ToolSetUp setUp_;
    QImage pageImage_;
    ShrunkPicture shrunk_;
    int zoom_ = 100;
    int wheelTurn_ = 0;
    QTimer autoScrollTimer_;
    // Where the pointer last was, in client pixels; during a drag also
    // outside the view.
    QPoint pointer_;
    bool pointerInside_ = false;
    // "Click on the page to place ..." stands in the status bar.
    bool placingPrompt_ = false;
    // Where a placement by the keyboard holds its frame, in client pixels.
    std::optional<QPoint> keyPoint_;
    std::vector<ProblemOutline> outlines_;
    int pointedOutline_ = -1; // the frame whose reason the status bar gives
};

} // namespace quillset
