#pragma once

#include "app/ToolSetUp.h"
#include "editor/PageEditor.h"
#include "model/Limits.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>

class QPainter;
class QPrinter;

namespace quillset {

class CFolioDoc;

// The page view: the page raster at one pixel per printer dot, black dots on
// white inside a one-pixel frame, with an optional grid of dots every ten
// dots. The paper's top-left corner is at (0, 0), so the page itself starts
// at its margins. The picture is the raster as the last render left it;
// painting never renders.
//
// It is also the page editor: it turns the mouse, the keys and the context
// menu into calls on its PageEditor, paints the drag frame over the picture,
// and ends every change of the list with the document's editFinished().
class CFolioView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The least the scroll range covers: the raster's whole capacity plus
    // the frame, whatever the page.
    static constexpr int kScrollWidth = kRasterWidth + 2;
    static constexpr int kScrollHeight = kRasterHeight + 2;
    static constexpr int kGridStep = 10;
    static inline const QColor kGridColour{0, 64, 255};
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
    // No tool: the script pane took the focus, or Page Setup was confirmed.
    void clearTools();

    // Takes the raster's new picture and repaints.
    void pageChanged();
    // The document built its list afresh: any drag ends and, unless an edit
    // of this view asked for the rebuild, no tool remains.
    void listReplaced();

    // What the scroll range covers: the raster and its frame, or more when
    // the margins push the page further.
    QSize paperSize() const;

    // Draws the frame, the page and the grid, clipped to `area` in paper
    // dots. Serves the screen and the host's printers alike.
    void OnDraw(QPainter& painter, const QRect& area) const;

    // The page picture through the host's printer system, life-size.
    void printPage(QPrinter& printer) const;

signals:
    // An edit is about to work on the list: what was typed into the script
    // pane must become the page first. Connect directly.
    void editStarting();
    // The tool set may have changed.
    void toolsChanged();
    // The pointer's position in page dots while it is over the view.
    void pointerAt(QPoint page);
    void pointerLeft();
    // A short note for the status bar.
    void statusMessage(const QString& text);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void updateScrollBars();
    QPoint scrollOffset() const;
    ViewMapping mapping() const;

    void bringScriptUpToDate();
    // Does what an editor call asks of the view: mark, repaint the frame,
    // end the edit or tell why nothing happened.
    void apply(const EditResult& result);
    void updateFrame(const std::optional<Rect>& frame);
    void setUpTool(Tool tool);
    void zOrder(ZOrderCommand command);
    void properties();

    CFolioDoc& document_;
    PageEditor editor_;
    ToolSetUp setUp_;
    QImage pageImage_;
    // Set while an edit has the typed script compiled: that rebuild keeps
    // the tool in hand.
    bool keepTools_ = false;
};

} // namespace quillset
