#pragma once

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
class CFolioView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The raster's whole capacity plus the frame, whatever the page.
    static constexpr int kScrollWidth = kRasterWidth + 2;
    static constexpr int kScrollHeight = kRasterHeight + 2;
    static constexpr int kGridStep = 10;
    static inline const QColor kGridColour{0, 64, 255};
    // The label printer's resolution: 8 dots per millimetre.
    static constexpr double kDotsPerInch = 8 * 25.4;

    explicit CFolioView(CFolioDoc& document, QWidget* parent = nullptr);

    bool gridOn() const { return gridOn_; }
    void setGridOn(bool on);

    // Takes the raster's new picture and repaints.
    void pageChanged();

    // Draws the frame, the page and the grid, clipped to `area` in paper
    // dots. Serves the screen and the host's printers alike.
    void OnDraw(QPainter& painter, const QRect& area) const;

    // The page picture through the host's printer system, life-size.
    void printPage(QPrinter& printer) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();
    QPoint scrollOffset() const;

    CFolioDoc& document_;
    QImage pageImage_;
    bool gridOn_ = false;
};

} // namespace quillset
